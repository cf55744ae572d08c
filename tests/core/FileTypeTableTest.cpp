#include <gtest/gtest.h>

#include "core/basMockItUp.h"

TEST(FileTypeTable, RowsAndPathGlobalsFollowTheWorkFolder) {
  basMockItUp::InitFileTypeTable("/w/dat/");
  EXPECT_EQ(WorkFolder, "/w/dat/");
  EXPECT_EQ(DefaultsFolder, "/w/dat/def/");
  EXPECT_EQ(DefaultProjectedStatsName, "Default.pro");
  EXPECT_FALSE(ApplicationClosing);
  const struct {
    int32_t code;
    const char* description;
    const char* defaultName;
    const char* folder;
  } rows[] = {
      {0, "Kickwell Draftyard Project", "", "/w/dat/kdp/"},
      {1, "Projected Stats File", "", "/w/dat/pro/"},
      {2, "Scoring System File", "", "/w/dat/sco/"},
      {3, "League Properties File", "", "/w/dat/lgp/"},
      {4, "Draft Strategy File", "KD-RBL Default.stg", "/w/dat/stg/"},
      {5, "Cheat Sheet File", "", "/w/dat/kdp/"},
      {6, "Mock Options File", "", ""},
      {7, "Display Grid File", "", "/w/dat/dis/"},
      {8, "Mock Draft File", "", ""},
      {9, "User Generated Mock Draft File", "", "/w/dat/ugm/"},
      {10, "", "", ""},
      {11, "Projected Stat Strain", "", "/w/dat/str/"},
      {12, "Player Master Registry File", "", "/w/dat/mas/"},
      {13, "Average Draft Position File", "", "/w/dat/adp/"},
      {14, "", "", ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.code);
    EXPECT_EQ(FileTypeDescription.at(static_cast<std::size_t>(r.code)), r.description);
    EXPECT_EQ(FileTypeDefaultName.at(static_cast<std::size_t>(r.code)), r.defaultName);
    EXPECT_EQ(FileTypeFolder.at(static_cast<std::size_t>(r.code)), r.folder);
  }
}

TEST(FileTypeTable, ExportTypesAndWorkSubFolders) {
  const std::pair<const char*, const char*> exports[] = {
      {"html", "Hyper Text"}, {"txt", "Text"}, {"csv", "Comma Separated Variable"}};
  int32_t code = 0;
  for (const auto& [extension, description] : exports) {
    EXPECT_EQ(basMockItUp::ExportFileExtension(code), extension);
    EXPECT_EQ(basMockItUp::ExportFileDescription(code++), description);
  }
  EXPECT_EQ(basMockItUp::ExportFileExtension(5), "");
  EXPECT_EQ(basMockItUp::ExportFileDescription(-1), "");
  EXPECT_EQ(basMockItUp::WorkSubFolderNames(),
            (std::vector<std::string>{"sco", "pro", "lgp", "stg", "dis", "kdp", "ugm", "def", "str", "mas", "adp"}));
  EXPECT_EQ(basMockItUp::WorkFolderUnder("/h/.local/share/"), "/h/.local/share/Vellacorn/Kickwell Draftyard/dat/");
}
