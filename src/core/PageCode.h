#pragma once
// Page codes: the pages and jobs of the main window; the same numbers index
// the file-type table.

#include <cstdint>

enum PageCode : int32_t {
  kPageNone = -1,
  kPageProject = 0,
  kPageProjectedStats = 1,
  kPageScoringSystem = 2,
  kPageLeagueProperties = 3,
  kPageDraftStrategies = 4,
  kPageCheatSheetJob = 5,
  kPageMockOptions = 6,
  kPageDisplayGrids = 7,
  kPageMockDraftJob = 8,
  kPageUserMockDraft = 9,
  kPageProjectedStatStrain = 11,
  kPagePlayerMasterRegistry = 12,
  kPageAverageDraftPosition = 13,
  kPageStart = 14,
};

// Entries of the file-type table (page codes 0..14).
constexpr int32_t kPageCodeCount = 15;

// Export file types of the documents (project property 3).
enum ExportFileType : int32_t {
  kExportHtml = 0,
  kExportText = 1,
  kExportCsv = 2,
};
