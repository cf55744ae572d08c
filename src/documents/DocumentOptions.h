#pragma once
// The project's document settings as the document writers use them, read
// from the project's entries (text) and checked: the project file is plain
// text a person may edit, so a value out of its range falls back to the
// entry's default instead of reaching the writers.

#include <cstdint>
#include <functional>
#include <string>

#include "core/basColourScheme.h"
#include "documents/ProjectSummary.h"

class clsCheatIsolate;

struct DocumentOptions {
  // The colours of a new project: the scheme's heading and project row colours.
  static constexpr int32_t kDefaultHeadingBackColor =
      basColourScheme::SchemeColours()[basColourScheme::kHeadingColour];
  static constexpr int32_t kDefaultRowBackColorA =
      basColourScheme::SchemeColours()[basColourScheme::kProjectRowColourA];
  static constexpr int32_t kDefaultRowBackColorB =
      basColourScheme::SchemeColours()[basColourScheme::kProjectRowColourB];
  static constexpr int32_t kDefaultAdditionalPlayers = 10;
  static constexpr int32_t kMaxAdditionalPlayers = 1000;

  int32_t additionalPlayers = kDefaultAdditionalPlayers;  // entry 0, 0 .. kMaxAdditionalPlayers
  bool useColor = true;                                   // entry 2
  int32_t fileType = 0;                                   // entry 3: 0 HTML, 1 text, 2 CSV
  int32_t headingBackColor = kDefaultHeadingBackColor;    // entry 4
  int32_t rowBackColorA = kDefaultRowBackColorA;          // entry 5
  int32_t rowBackColorB = kDefaultRowBackColorB;          // entry 6
  std::string leagueFile;                                 // entry 7
  std::string scoringFile;                                // entry 8
  std::string projectedFile;                              // entry 9
  bool useGridLines = true;                               // entry 12
  int32_t mockType = 0;                                   // entry 15: 0 automatic, 1 user generated
  std::string projectFileName;
  // Where the summary finds the three files (folder + entry; empty when the
  // entry is empty).
  ProjectSummaryFiles summaryFiles;
};

// The open project's options, its files found in the work folders of the
// file-type table.
DocumentOptions ReadDocumentOptions(const clsCheatIsolate& project);

// entry(index) answers the project's entry as text; folderOf(pageCode) the
// work sub-folder of a document type (3 league properties, 2 scoring system,
// 1 projected stats), ending with '/'.
DocumentOptions ReadDocumentOptions(const std::function<std::string(int32_t index)>& entry,
                                    const std::string& projectFileName,
                                    const std::function<std::string(int32_t pageCode)>& folderOf);
