#pragma once
// The stat-category catalogue of one open projected-stats file: every number
// the program shows, scores or sorts is a category whose value for a
// player-week is computed from the raw fields of tblStat0..tblStatN by the
// category's short list of operations. The model is read from the file
// (tblStatCategories, tblStatProperties) at open. The catalogue keeps four
// orders over the categories (display, scoring, tie-break, report) and hands
// values out by category id or by position in an order.
//
// Rows: "positioning" a player-week loads that player-week's rows of every
// registered stat table once into an in-memory row set per table; the
// operations then read those rows, never the cursors. RecordCount(t) is the
// number of rows loaded for table t.
//
// Ids and operation data come from the file and are not trusted: an unknown
// id reads 0 or "" and is ignored by the setters, a reference that leaves
// the category's own operations reads 0, a field ordinal the table does not
// have reads 0. Positions in an order outside 1..its count are a caller
// error and throw std::out_of_range.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "database/IdPositionMap.h"
#include "platform/jet/Value.h"

namespace jet {
class Database;
class Recordset;
}  // namespace jet

class clsCategoryControl {
 public:
  static constexpr int32_t kMaxTable = 255;
  static constexpr uint8_t kNoField = 0;           // an operation's Field: field value 0
  static constexpr uint8_t kOperationField = 255;  // Field: the value of another operation
  static constexpr const char* kPlayerWeekIndex = "PlayerIDWeekYearNdx";

  // One column of a display grid, as the display order is built from it.
  struct DisplayColumn {
    int32_t catID = 0;
    int32_t order = 0;  // 1 for the first column
    uint8_t dec = 0;    // the column's display-format id
  };

  clsCategoryControl();
  clsCategoryControl(const clsCategoryControl&) = delete;
  clsCategoryControl& operator=(const clsCategoryControl&) = delete;
  clsCategoryControl(clsCategoryControl&&) = default;
  clsCategoryControl& operator=(clsCategoryControl&&) = default;

  // ---------------------------------------------------------------- loading

  // Reads every category of tblStatCategories (by ID) with its operations
  // from tblStatProperties (by OperationOrder). Database errors, and a value
  // that does not fit its field's type, throw jet::JetError.
  void LoadFromDatabase(jet::Database& db);

  // Appends a category; its operations are the AddOperation calls that
  // follow, at most `ops` of them.
  void AddCategory(int32_t id, const std::string& name, const std::string& abrv, uint8_t ops,
                   uint8_t subCatID, uint8_t unit, uint8_t displayType, uint8_t defaultFormat,
                   uint8_t formatType, uint8_t zeroDisplay, int32_t editType, int32_t sortType);
  // Appends an operation of the category added last and registers its table.
  void AddOperation(uint8_t table, uint8_t field, uint8_t op, float operatorValue, int16_t operatorRef,
                    uint8_t typeValue, uint8_t typeField, bool checkRange, float minValue, float maxValue);

  // The registered tables: slots 0..RecordsetRefCount() - 1, each naming a
  // table number. The database hands each its open table cursor (not owned;
  // it must outlive its use here).
  int32_t RecordsetRefCount() const { return static_cast<int32_t>(slots_.size()); }
  int32_t RecordsetRefID(int32_t slot) const;
  jet::Recordset* RecordsetRef(int32_t table) const;
  void SetRecordsetRef(int32_t table, jet::Recordset* recordset);

  // Positioning selects the index "PlayerIDWeekYearNdx" on a table's cursor
  // before it seeks. The database may take that over (it remembers each
  // cursor's index); without a selector the catalogue selects the index
  // itself when the cursor has another.
  using IndexSelector = std::function<void(int32_t table)>;
  void SetIndexSelector(IndexSelector selector) { indexSelector_ = std::move(selector); }

  // ------------------------------------------------------------ positioning

  // Loads the rows of one player-week of a registered table: every row when
  // allRows (tblStat1 holds one row per scoring play), else at most one.
  // The cursor is left on the player-week's first row (at its end on a
  // miss). An unregistered table, or one without a cursor, is skipped.
  void PositionTable(int32_t table, int32_t playerID, int32_t week, int32_t year, bool allRows);
  // tblStat1 with all its rows, tblStat2..N with one each; tblStat0 is not
  // touched (the scoring walk loads its current row, the display rows
  // position it themselves).
  void PositionStatTables(int32_t playerID, int32_t week, int32_t year);
  // The row under the table's cursor as its row set (none at BOF or EOF).
  void LoadCurrentRow(int32_t table);
  // Rows given directly: `count` rows of fieldCount values each, row-major.
  void SetRows(int32_t table, int32_t count, int32_t fieldCount, std::span<const double> values);
  void ClearRows(int32_t table);
  // Rows loaded for a table; 0 for a table that is not registered.
  int32_t RecordCount(int32_t table) const;
  // A field of a loaded row (row from 0); 0 outside the rows or fields.
  double RowValue(int32_t table, int32_t row, int32_t ordinal) const;
  // The fields of the table (by ordinal) that ExtractScoringValues reads:
  // a set flag for each one an operation of the scoring order reads as its
  // value or its type filter. Rows given for scoring need only those.
  std::vector<uint8_t> ScoringFields(int32_t table) const;

  // ----------------------------------------------------------------- orders

  int32_t DisplayOrder(int32_t id) const;
  void SetDisplayOrder(int32_t id, int32_t position);
  int32_t ScoringOrder(int32_t id) const;
  void SetScoringOrder(int32_t id, int32_t position);
  int32_t TieOrder(int32_t id) const;
  void SetTieOrder(int32_t id, int32_t position);
  int32_t ReportOrder(int32_t id) const;
  void SetReportOrder(int32_t id, int32_t position);
  // Set by category id; read by position in the display or report order.
  void SetDisplayDec(int32_t id, uint8_t dec);
  uint8_t DisplayDec(int32_t position) const;
  void SetReportDec(int32_t id, uint8_t dec);
  uint8_t ReportDec(int32_t position) const;

  void ClearDisplayOrder();
  void ClearScoringOrder();
  void ClearTieOrder();
  void ClearReportOrder();
  // Rebuild an order from the categories' positions: the order has as many
  // places as its highest position; where two categories share one, the
  // later wins; a place no category takes holds none.
  void UpdateDisplayNdx();
  void UpdateScoringNdx();
  void UpdateTieNdx();
  void UpdateReportNdx();
  // The display order of a grid, column by column: each column's category
  // takes the column's place and format, so a category shown in two
  // columns fills both (its own DisplayOrder is the later column's).
  void SetDisplayColumns(std::span<const DisplayColumn> columns);
  int32_t DisplayCount() const { return Size(display_); }
  int32_t ScoringCount() const { return Size(scoring_); }
  int32_t TieCount() const { return Size(tie_); }
  int32_t ReportCount() const { return Size(report_); }

  // ----------------------------------------------------------------- values

  // Compute the categories of that order from the loaded rows.
  void ExtractDisplayValues() { ExtractValues(display_); }
  void ExtractScoringValues() { ExtractValues(scoring_); }
  void ExtractTieValues() { ExtractValues(tie_); }
  void ExtractReportValues() { ExtractValues(report_); }
  // The scoring categories from the extreme field values over every row of
  // each table's cursor: direction 1 the largest above 0, -1 the smallest
  // below 0 (0 when there is none); each operation applied once.
  void ExtractScoringMaxValues(int32_t direction);
  // Sets a category's value (stored as a Double from the Single).
  void ForceStat(int32_t id, float value);
  float DBValue(int32_t id) const { return static_cast<float>(DoubleValue(id)); }
  double DoubleValue(int32_t id) const;
  float DisplayValue(int32_t position) const;
  float ReportValue(int32_t position) const;
  float ScoringValue(int32_t position) const;
  double DoubleScoringValue(int32_t position) const;
  void ClearDisplayValues();

  // ------------------------------------------------------------- attributes

  int32_t Count() const { return static_cast<int32_t>(categories_.size()); }
  // True only for an id that a loaded category has.
  bool DoesIDExist(int32_t id) const { return byId_.Find(id) >= 0; }
  // The id's position in the category list; -1 for an unknown id.
  int32_t IDArray(int32_t id) const { return byId_.Find(id); }

  std::string Name(int32_t id) const;
  std::string Abrv(int32_t id) const;
  // The operations the category actually has (at most its stored count).
  uint8_t Ops(int32_t id) const;
  uint8_t SubCatID(int32_t id) const;
  uint8_t Unit(int32_t id) const;
  uint8_t DisplayType(int32_t id) const;
  uint8_t DefaultFormat(int32_t id) const;
  uint8_t FormatType(int32_t id) const;
  uint8_t ZeroDisplay(int32_t id) const;
  int32_t EditType(int32_t id) const;
  int32_t SortType(int32_t id) const;
  // Of the category's first operation.
  uint8_t Table(int32_t id) const;
  uint8_t Field(int32_t id) const;
  // Of its last operation.
  uint8_t TypeField(int32_t id) const;
  uint8_t TypeValue(int32_t id) const;

  // By position in the display order (0 where no category stands).
  int32_t DisplayID(int32_t position) const;
  uint8_t DisplaySubCat(int32_t position) const;
  uint8_t DisplayZeroDisplay(int32_t position) const;
  // By position in the report order.
  uint8_t ReportSubCat(int32_t position) const;
  uint8_t ReportZeroDisplay(int32_t position) const;

 private:
  struct Category {
    int32_t id = 0;
    std::string name;
    std::string abrv;
    uint8_t ops = 0;
    uint8_t subCatID = 0;
    uint8_t unit = 0;
    uint8_t displayType = 0;
    uint8_t defaultFormat = 0;
    uint8_t formatType = 0;
    uint8_t zeroDisplay = 0;
    int32_t editType = 0;
    int32_t sortType = 0;
    int32_t displayOrder = 0;
    int32_t scoringOrder = 0;
    int32_t tieOrder = 0;
    int32_t reportOrder = 0;
    uint8_t displayDec = 0;
    uint8_t reportDec = 0;
    int32_t firstOp = 0;
    int32_t loadedOps = 0;  // operations added while it was the last category
    int32_t OpCount() const { return loadedOps < ops ? loadedOps : ops; }
  };

  struct Operation {
    uint8_t table = 0;
    uint8_t field = 0;
    uint8_t op = 0;
    float operatorValue = 0;
    int16_t operatorRef = 0;
    uint8_t typeValue = 0;
    uint8_t typeField = 0;
    bool checkRange = false;
    float minValue = 0;
    float maxValue = 0;
    double value = 0;
  };

  struct TableRows {
    int32_t table = 0;
    jet::Recordset* recordset = nullptr;
    int32_t count = 0;
    int32_t fieldCount = 0;
    std::vector<double> values;  // count x fieldCount, row-major
    double At(int32_t row, int32_t ordinal) const {
      if (ordinal < 0 || ordinal >= fieldCount) return 0;
      return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(fieldCount) +
                    static_cast<std::size_t>(ordinal)];
    }
  };

  struct OrderEntry {
    int32_t category = -1;  // list position, -1 for none
    uint8_t dec = 0;
  };
  using Order = std::vector<OrderEntry>;

  static int32_t Size(const Order& order) { return static_cast<int32_t>(order.size()); }
  const OrderEntry& EntryAt(const Order& order, int32_t position) const;
  // The category at the position; nullptr where no category is loaded.
  const Category* CategoryAt(const Order& order, int32_t position) const;
  double EntryValue(const Order& order, int32_t position) const;
  void RebuildOrder(Order& order, int32_t Category::*position, uint8_t Category::*dec);

  const Category* Find(int32_t id) const;
  Category* Find(int32_t id);
  // A field of the category with that id; the field's zero for an unknown id.
  template <typename T>
  T Get(int32_t id, T Category::*member) const {
    const Category* c = Find(id);
    return c ? c->*member : T{};
  }
  template <typename T>
  void Set(int32_t id, T Category::*member, T value) {
    if (Category* c = Find(id)) c->*member = value;
  }
  TableRows* RowsOf(int32_t table);
  const TableRows* RowsOf(int32_t table) const;
  void LoadRows(TableRows& rows, jet::Recordset& recordset, int32_t count);

  // The category's last operation, which holds its value; nullptr when it has none.
  const Operation* LastOp(const Category& category) const;
  Operation* LastOp(const Category& category);
  double CategoryValue(const Category& category) const;
  void ExtractValues(const Order& order);
  void EvaluateCategory(const Category& category);
  // The value of the operation at list index `target` when it belongs to
  // the category, else 0.
  double ReferencedValue(const Category& category, int64_t target) const;
  double FieldValue(const Category& category, int32_t index, const TableRows& rows, int32_t row) const;
  void ApplyOperator(const Category& category, int32_t index, double field);

  std::vector<Category> categories_;
  std::vector<Operation> operations_;
  IdPositionMap byId_;

  std::array<int16_t, kMaxTable + 1> slotOf_;
  std::vector<TableRows> slots_;
  IndexSelector indexSelector_;
  std::vector<jet::Value> keys_;

  Order display_;
  Order scoring_;
  Order tie_;
  Order report_;
};
