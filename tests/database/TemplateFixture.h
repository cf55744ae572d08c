#pragma once
// A test's own copy of the template database, opened by a clsKickwellDB
// once the test's SQL has run on it; the work folder (where ProError.txt
// goes) is the test's folder while the test runs.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "DatabaseFixtures.h"
#include "TempDir.h"
#include "core/basMockItUp.h"
#include "database/clsDisplayGridIsolate.h"
#include "database/clsKickwellDB.h"

namespace kdtest {

class TemplateFixture : public ::testing::Test {
 protected:
  TemplateFixture() : savedWorkFolder_(WorkFolder) { WorkFolder = dir_.Path(); }
  ~TemplateFixture() override { WorkFolder = savedWorkFolder_; }

  void Open(const std::string& sql = "") {
    if (!sql.empty()) ExecuteSql(path_, sql);
    ASSERT_TRUE(db_.InitializeKickwellDB(path_)) << db_.LastError();
  }
  std::string Query(const std::string& sql) const { return QueryText(path_, sql); }

  TempDir dir_;
  std::string path_ = MakeTemplateDatabase(dir_);
  clsKickwellDB db_;

 private:
  std::string savedWorkFolder_;
};

// A display grid of (category, format) columns in order.
inline clsDisplayGridIsolate GridOfColumns(std::initializer_list<std::pair<int32_t, uint8_t>> columns) {
  clsDisplayGridIsolate grid;
  grid.SetColumnMax(static_cast<int32_t>(columns.size()) - 1);
  int32_t k = 0;
  for (auto [catID, format] : columns) {
    grid.SetTableFieldID(k, catID);
    grid.SetOrderNumber(k, static_cast<uint8_t>(k + 1));
    grid.SetDecimals(k, format);
    ++k;
  }
  return grid;
}

}  // namespace kdtest
