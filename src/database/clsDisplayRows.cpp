#include "database/clsDisplayRows.h"

#include <charconv>
#include <system_error>

#include "core/basStringDelimiter_001.h"
#include "database/basFieldRead.h"
#include "platform/jet/Database.h"
#include "platform/jet/Recordset.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"

namespace {

// A Single is formatted from its own shortest decimal text, the value the
// person typed and the stored files hold: 1.005f reads "1.005" (not
// 1.00499999523...) and so rounds to "1.01" with "0.00".
double SingleAsDecimal(float value) {
  char buf[32];
  const auto written = std::to_chars(buf, buf + sizeof buf, value);
  double out = value;
  if (written.ec == std::errc()) std::from_chars(buf, written.ptr, out);
  return out;
}

// The first character of a UTF-8 text.
std::string FirstCharacter(const std::string& text) {
  return text.substr(0, runtime::Utf8CharLength(text, 0));
}

}  // namespace

clsDisplayRows::clsDisplayRows(clsCategoryControl& catalogue, clsDisplayFormatIsolate& formats,
                               clsDisplayGridIsolate& grid, Lookups& lookups)
    : catalogue_(catalogue), formats_(formats), grid_(grid), lookups_(lookups) {}

// ------------------------------------------------------------------ at open

void clsDisplayRows::LoadAtOpen(jet::Database& db) {
  pSbLoadDisplayFormats(db);
  pSbLoadDefaultDisplayGrid(db);
  pSbSetStatDisplayOrder(grid_);
}

void clsDisplayRows::pSbLoadDisplayFormats(jet::Database& db) {
  using basFieldRead::Byte;
  using basFieldRead::Long;
  auto formats = db.OpenSnapshot("SELECT * FROM tblDisplayFormat ORDER BY ID ASC;");
  // Every conversion at once, walked in step with the formats.
  auto converts = db.OpenSnapshot("SELECT * FROM tblDisplayTextConvert ORDER BY FormatID ASC, ID ASC;");
  jet::Recordset& f = *formats;
  jet::Recordset& c = *converts;
  c.MoveFirst();
  for (f.MoveFirst(); !f.Eof(); f.MoveNext()) {
    const int32_t id = Long(f, "ID");
    formats_.AddDisplayFormat(id, Byte(f, "DisplayType"), Byte(f, "TextType"), f.Field("Ranged").AsBool(),
                              f.Field("DisplayName").AsText(), f.Field("StringFormat").AsText(),
                              Byte(f, "ValuePosition"), Byte(f, "ConvertCount"));
    while (!c.Eof() && Long(c, "FormatID") < id) c.MoveNext();
    for (; !c.Eof() && Long(c, "FormatID") == id; c.MoveNext()) {
      formats_.AddTextConvert(id, c.Field("TypeValueMin").AsSingle(), c.Field("TypeValueMax").AsSingle(),
                              c.Field("OutputText").AsText());
    }
  }
}

void clsDisplayRows::pSbLoadDefaultDisplayGrid(jet::Database& db) {
  using basFieldRead::Byte;
  auto rs =
      db.OpenSnapshot("SELECT * FROM tblDisplayGrids WHERE GridID = 1 ORDER BY OrderNumber ASC, ID ASC;");
  const int32_t count = rs->RecordCount();
  grid_.SetColumnMax(count - 1);
  int32_t col = 0;
  for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext(), ++col) {
    grid_.SetTableFieldID(col, basFieldRead::Long(*rs, "TableFieldID"));
    grid_.SetOrderNumber(col, Byte(*rs, "OrderNumber"));
    grid_.SetColumnWidth(col, basFieldRead::Integer(*rs, "ColumnWidth"));
    grid_.SetTitle1(col, rs->Field("Title1").AsText());
    grid_.SetTitle2(col, rs->Field("Title2").AsText());
    grid_.SetDecimals(col, Byte(*rs, "Decimals"));
    grid_.SetAlign(col, Byte(*rs, "Align"));
  }
}

// --------------------------------------------------------------------- rows

void clsDisplayRows::pSbSetStatDisplayOrder(const clsDisplayGridIsolate& grid) {
  columns_.clear();
  for (int32_t i = 0; i <= grid.ColumnMax(); ++i)
    columns_.push_back({grid.TableFieldID(i), grid.OrderNumber(i), grid.Decimals(i)});
  catalogue_.SetDisplayColumns(columns_);
}

void clsDisplayRows::pSbMCExtractDisplayValues(int32_t playerID, uint8_t week, int16_t year) {
  catalogue_.PositionTable(0, playerID, week, year, false);
  catalogue_.PositionStatTables(playerID, week, year);
  catalogue_.ExtractDisplayValues();
}

std::string clsDisplayRows::pFnMCGetPlayerDisplayRow(int32_t playerID, uint8_t week, int16_t year) {
  std::string row;
  for (int32_t p = 1; p <= catalogue_.DisplayCount(); ++p) {
    // A tab or line break inside a name (a damaged or hostile file) would
    // push every later value into the wrong column where the row is pasted.
    row += runtime::OneLineField(pFnGetValueText(catalogue_.DisplayDec(p), catalogue_.DisplayID(p),
                                                 catalogue_.DisplayValue(p), playerID, week, year));
    row += '\t';
  }
  return row;
}

std::string clsDisplayRows::pFnGetPlayerDisplayRow(int32_t playerID, uint8_t week, int16_t year) {
  pSbMCExtractDisplayValues(playerID, week, year);
  return pFnMCGetPlayerDisplayRow(playerID, week, year);
}

std::string clsDisplayRows::pFnGetPlayerDisplayCol(int32_t playerID, uint8_t week, int16_t year,
                                                   int32_t column) {
  pSbMCExtractDisplayValues(playerID, week, year);
  return pFnGetValueText(catalogue_.DisplayDec(column), catalogue_.DisplayID(column),
                         catalogue_.DisplayValue(column), playerID, week, year);
}

std::string clsDisplayRows::pFnGetValueText(int32_t formatID, int32_t catID, float value, int32_t playerID,
                                            uint8_t week, int16_t year) {
  int32_t index = formats_.DisplayIndex(formatID);
  if (index < 0) index = formats_.DisplayIndex(catalogue_.DefaultFormat(catID));
  const double number = SingleAsDecimal(value);
  if (index < 0) return runtime::GeneralNumber(number);

  const uint8_t textType = formats_.TextType(index);
  const std::string& pattern = formats_.StringFormat(index);
  if (textType == clsDisplayFormatIsolate::kTextNumber) return runtime::Format(number, pattern);

  std::string text;
  switch (textType) {
    case clsDisplayFormatIsolate::kTextConvert:
      text = formats_.GetTextConvert(index, value);
      break;
    case clsDisplayFormatIsolate::kTextLookup:
      text = pFnGetLookupText(formats_.DisplayType(index), formats_.DisplayID(index), playerID, week, year);
      break;
    case clsDisplayFormatIsolate::kTextKeyed: {
      int32_t key = 0;
      if (runtime::TryCLng(value, key)) text = lookups_.MockCheatText(key);
      break;
    }
    default:
      break;
  }
  switch (formats_.ValuePosition(index)) {
    case clsDisplayFormatIsolate::kTextOnly:
      return text;
    case clsDisplayFormatIsolate::kNumberThenText:
      return runtime::Format(number, pattern) + text;
    case clsDisplayFormatIsolate::kTextThenNumber:
      return text + runtime::Format(number, pattern);
    default:
      return "";
  }
}

std::string clsDisplayRows::pFnGetLookupText(uint8_t displayType, int32_t formatID, int32_t playerID,
                                             uint8_t week, int16_t year) {
  switch (displayType) {
    case kLookupName:
      return pFnGetPlayerNameWStyle(formatID, playerID) + " ";
    case kLookupTeam:
      return lookups_.pFnGetTeamAbrvwPlaID(playerID, week, year) + " ";
    case kLookupPosition:
      return lookups_.pFnGetPosAbrvwPlaID(playerID) + " ";
    case kLookupPlayerID:
      return std::to_string(playerID);
    case kLookupInjury:
      return lookups_.pFnGetInjStatuswPlaID(playerID, week, year);
    case kLookupByeWeek:
      return std::to_string(lookups_.pFnGetByeWeekwPlaID(playerID, week, year));
    default:
      return "";
  }
}

std::string clsDisplayRows::NameInStyle(int32_t formatID, const std::string& storedName) {
  switch (formatID) {
    case kNameStored:
      return storedName;
    case kNameLastInitial:
    case kNameInitialLast:
    case kNameFirstLast:
      break;
    default:
      return "";
  }
  std::string last;
  std::string rest;
  if (!basStringDelimiter_001::SplitAtDelimiter(
          storedName, last, rest, ",", basStringDelimiter_001::kCompareExact,
          basStringDelimiter_001::kSideFirst, basStringDelimiter_001::kIncludeNone)) {
    return storedName;
  }
  const std::string first = runtime::Trim(rest);
  const std::string initial = FirstCharacter(first);
  switch (formatID) {
    case kNameLastInitial:
      return last + ", " + initial + ".";
    case kNameInitialLast:
      return initial + ". " + last;
    default:
      return first + " " + last;
  }
}

std::string clsDisplayRows::pFnGetPlayerNameWStyle(int32_t formatID, int32_t playerID) {
  return NameInStyle(formatID, lookups_.pFnGetPlayerName(playerID));
}
