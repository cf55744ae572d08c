#include "tools/TemplateLookups.h"

#include <memory>

#include "platform/jet/Database.h"

namespace bundle {

int32_t TemplateLookups::TeamID(const std::string& abrv) const {
  auto it = teams.find(abrv);
  return it == teams.end() ? 0 : it->second;
}

int32_t TemplateLookups::PositionID(const std::string& abrv) const {
  auto it = positions.find(abrv);
  return it == positions.end() ? 0 : it->second;
}

bool TemplateLookups::IsEditableCategory(int32_t catID) const {
  auto it = categories.find(catID);
  return it != categories.end() && it->second.editType == 1;
}

int32_t TemplateLookups::DefaultFormat(int32_t catID) const {
  auto it = categories.find(catID);
  return it == categories.end() ? 0 : it->second.defaultFormat;
}

bool TemplateLookups::IsFormatOf(int32_t formatID, int32_t catID) const {
  auto format = formats.find(formatID);
  auto category = categories.find(catID);
  return format != formats.end() && category != categories.end() &&
         format->second == category->second.formatType;
}

bool LoadTemplateLookups(const std::string& path, int32_t year, TemplateLookups& out, std::string* error) {
  TemplateLookups lookups;
  try {
    auto db = jet::Database::Open(path, jet::Database::Access::kReadOnly);
    auto settings = db->OpenSnapshot("SELECT Year FROM tblSettings");
    if (!settings->Eof()) lookups.year = settings->Field(0).AsLong();
    if (year == 0) year = lookups.year;

    // AbrvA first, so that another team's alternative code never hides a main one.
    for (const char* column : {"AbrvA", "AbrvB"}) {
      auto teams = db->OpenSnapshot(std::string("SELECT ID, ") + column +
                                        " FROM tblTeams WHERE StartYear <= ? AND EndYear >= ? ORDER BY ID",
                                    {jet::Value(year), jet::Value(year)});
      for (; !teams->Eof(); teams->MoveNext()) {
        if (teams->Field(1).IsNull()) continue;
        lookups.teams.emplace(teams->Field(1).AsText(), teams->Field(0).AsLong());
      }
    }
    auto positions = db->OpenSnapshot("SELECT ID, Pos FROM tblPositions ORDER BY DisplayOrder, ID");
    for (; !positions->Eof(); positions->MoveNext()) {
      lookups.positions.emplace(positions->Field(1).AsText(), positions->Field(0).AsLong());
      lookups.positionOrder.push_back(positions->Field(0).AsLong());
    }
    auto categories =
        db->OpenSnapshot("SELECT ID, EditType, DefaultFormat, FormatType FROM tblStatCategories ORDER BY ID");
    for (; !categories->Eof(); categories->MoveNext()) {
      lookups.categories.emplace(
          categories->Field(0).AsLong(),
          TemplateLookups::Category{categories->Field(1).AsLong(), categories->Field(2).AsLong(),
                                    categories->Field(3).AsLong()});
    }
    auto formats = db->OpenSnapshot("SELECT ID, DisplayType FROM tblDisplayFormat ORDER BY ID");
    for (; !formats->Eof(); formats->MoveNext()) {
      lookups.formats.emplace(formats->Field(0).AsLong(), formats->Field(1).AsLong());
    }
  } catch (const std::exception& e) {
    if (error) *error = path + ": " + e.what();
    return false;
  }
  out = std::move(lookups);
  return true;
}

}  // namespace bundle
