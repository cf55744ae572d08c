#include "database/clsCategoryControl.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "database/basFieldRead.h"
#include "platform/jet/Database.h"
#include "platform/jet/Recordset.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"

clsCategoryControl::clsCategoryControl() : keys_(3) { slotOf_.fill(-1); }

// ------------------------------------------------------------------ loading

void clsCategoryControl::LoadFromDatabase(jet::Database& db) {
  using basFieldRead::Byte;
  using basFieldRead::Long;
  auto categories = db.OpenSnapshot("SELECT * FROM tblStatCategories ORDER BY ID ASC;");
  // All operations at once, walked in step with the categories.
  auto properties =
      db.OpenSnapshot("SELECT * FROM tblStatProperties ORDER BY CatID ASC, OperationOrder ASC, ID ASC;");
  jet::Recordset& c = *categories;
  jet::Recordset& p = *properties;
  p.MoveFirst();
  for (c.MoveFirst(); !c.Eof(); c.MoveNext()) {
    const int32_t id = Long(c, "ID");
    AddCategory(id, c.Field("Name").AsText(), c.Field("Abrv").AsText(), Byte(c, "Operations"),
                Byte(c, "SubCatID"), Byte(c, "Unit"), Byte(c, "DisplayType"), Byte(c, "DefaultFormat"),
                Byte(c, "FormatType"), Byte(c, "ZeroDisplay"), Long(c, "EditType"), Long(c, "Sort"));
    while (!p.Eof() && Long(p, "CatID") < id) p.MoveNext();
    for (; !p.Eof() && Long(p, "CatID") == id; p.MoveNext()) {
      AddOperation(Byte(p, "Table"), Byte(p, "Field"), Byte(p, "Operator"),
                   p.Field("OperatorValue").AsSingle(), basFieldRead::Integer(p, "OperatorRef"),
                   Byte(p, "TypeValue"), Byte(p, "TypeField"), p.Field("CheckRange").AsBool(),
                   p.Field("MinValue").AsSingle(), p.Field("MaxValue").AsSingle());
    }
  }
}

void clsCategoryControl::AddCategory(int32_t id, const std::string& name, const std::string& abrv,
                                     uint8_t ops, uint8_t subCatID, uint8_t unit, uint8_t displayType,
                                     uint8_t defaultFormat, uint8_t formatType, uint8_t zeroDisplay,
                                     int32_t editType, int32_t sortType) {
  Category category;
  category.id = id;
  category.name = name;
  category.abrv = abrv;
  category.ops = ops;
  category.subCatID = subCatID;
  category.unit = unit;
  category.displayType = displayType;
  category.defaultFormat = defaultFormat;
  category.formatType = formatType;
  category.zeroDisplay = zeroDisplay;
  category.editType = editType;
  category.sortType = sortType;
  category.firstOp = static_cast<int32_t>(operations_.size());
  categories_.push_back(std::move(category));
  // Ids are above 0; the file may say otherwise, and such a category is
  // then in the list but not reachable by id.
  if (id > 0) byId_.Set(id, Count() - 1);
}

void clsCategoryControl::AddOperation(uint8_t table, uint8_t field, uint8_t op, float operatorValue,
                                      int16_t operatorRef, uint8_t typeValue, uint8_t typeField,
                                      bool checkRange, float minValue, float maxValue) {
  operations_.push_back(Operation{table, field, op, operatorValue, operatorRef, typeValue, typeField,
                                  checkRange, minValue, maxValue, 0});
  if (!categories_.empty()) {
    Category& last = categories_.back();
    if (last.firstOp + last.loadedOps + 1 == static_cast<int32_t>(operations_.size())) ++last.loadedOps;
  }
  if (slotOf_[table] < 0) {
    slotOf_[table] = static_cast<int16_t>(slots_.size());
    slots_.push_back(TableRows{});
    slots_.back().table = table;
  }
}

int32_t clsCategoryControl::RecordsetRefID(int32_t slot) const {
  if (slot < 0 || slot >= RecordsetRefCount())
    throw std::out_of_range("recordset slot " + std::to_string(slot));
  return slots_[static_cast<std::size_t>(slot)].table;
}

jet::Recordset* clsCategoryControl::RecordsetRef(int32_t table) const {
  const TableRows* rows = RowsOf(table);
  return rows ? rows->recordset : nullptr;
}

void clsCategoryControl::SetRecordsetRef(int32_t table, jet::Recordset* recordset) {
  if (TableRows* rows = RowsOf(table)) {
    rows->recordset = recordset;
    rows->count = 0;
  }
}

// -------------------------------------------------------------- positioning

clsCategoryControl::TableRows* clsCategoryControl::RowsOf(int32_t table) {
  if (table < 0 || table > kMaxTable) return nullptr;
  const int16_t slot = slotOf_[static_cast<std::size_t>(table)];
  return slot < 0 ? nullptr : &slots_[static_cast<std::size_t>(slot)];
}

const clsCategoryControl::TableRows* clsCategoryControl::RowsOf(int32_t table) const {
  return const_cast<clsCategoryControl*>(this)->RowsOf(table);
}

void clsCategoryControl::LoadRows(TableRows& rows, jet::Recordset& recordset, int32_t count) {
  const int32_t fieldCount = recordset.FieldCount();
  rows.fieldCount = fieldCount;
  rows.values.resize(static_cast<std::size_t>(count) * static_cast<std::size_t>(fieldCount));
  double* out = rows.values.data();
  for (int32_t r = 0; r < count; ++r) {
    if (r > 0) recordset.MoveNext();
    for (int32_t k = 0; k < fieldCount; ++k) *out++ = recordset.Field(k).AsDouble();
  }
  if (count > 1) recordset.Move(-(count - 1));
  rows.count = count;
}

void clsCategoryControl::PositionTable(int32_t table, int32_t playerID, int32_t week, int32_t year,
                                       bool allRows) {
  TableRows* rows = RowsOf(table);
  if (!rows) return;
  rows->count = 0;
  if (!rows->recordset) return;
  jet::Recordset& recordset = *rows->recordset;
  if (indexSelector_) {
    indexSelector_(table);
  } else if (!runtime::EqualsNoCase(recordset.Index(), kPlayerWeekIndex)) {
    recordset.SetIndex(kPlayerWeekIndex);
  }
  keys_[0] = jet::Value(playerID);
  keys_[1] = jet::Value(week);
  keys_[2] = jet::Value(year);
  int32_t found = recordset.SeekCount(keys_);
  if (found == 0) return;
  LoadRows(*rows, recordset, allRows ? found : 1);
}

void clsCategoryControl::PositionStatTables(int32_t playerID, int32_t week, int32_t year) {
  for (TableRows& rows : slots_) {
    if (rows.table == 0) continue;
    PositionTable(rows.table, playerID, week, year, rows.table == 1);
  }
}

void clsCategoryControl::LoadCurrentRow(int32_t table) {
  TableRows* rows = RowsOf(table);
  if (!rows) return;
  rows->count = 0;
  if (!rows->recordset || rows->recordset->Eof() || rows->recordset->Bof()) return;
  LoadRows(*rows, *rows->recordset, 1);
}

void clsCategoryControl::SetRows(int32_t table, int32_t count, int32_t fieldCount,
                                 std::span<const double> values) {
  if (count < 0 || fieldCount < 0 ||
      static_cast<std::size_t>(count) * static_cast<std::size_t>(fieldCount) != values.size()) {
    throw std::out_of_range("row set of " + std::to_string(values.size()) + " values for " +
                            std::to_string(count) + " x " + std::to_string(fieldCount));
  }
  TableRows* rows = RowsOf(table);
  if (!rows) return;
  rows->values.assign(values.begin(), values.end());
  rows->fieldCount = fieldCount;
  rows->count = count;
}

void clsCategoryControl::ClearRows(int32_t table) {
  if (TableRows* rows = RowsOf(table)) rows->count = 0;
}

int32_t clsCategoryControl::RecordCount(int32_t table) const {
  const TableRows* rows = RowsOf(table);
  return rows ? rows->count : 0;
}

double clsCategoryControl::RowValue(int32_t table, int32_t row, int32_t ordinal) const {
  const TableRows* rows = RowsOf(table);
  if (!rows || row < 0 || row >= rows->count) return 0;
  return rows->At(row, ordinal);
}

// ------------------------------------------------------------------- orders

const clsCategoryControl::Category* clsCategoryControl::Find(int32_t id) const {
  const int32_t at = byId_.Find(id);
  return at < 0 ? nullptr : &categories_[static_cast<std::size_t>(at)];
}

clsCategoryControl::Category* clsCategoryControl::Find(int32_t id) {
  const int32_t at = byId_.Find(id);
  return at < 0 ? nullptr : &categories_[static_cast<std::size_t>(at)];
}

int32_t clsCategoryControl::DisplayOrder(int32_t id) const { return Get(id, &Category::displayOrder); }
int32_t clsCategoryControl::ScoringOrder(int32_t id) const { return Get(id, &Category::scoringOrder); }
int32_t clsCategoryControl::TieOrder(int32_t id) const { return Get(id, &Category::tieOrder); }
int32_t clsCategoryControl::ReportOrder(int32_t id) const { return Get(id, &Category::reportOrder); }
void clsCategoryControl::SetDisplayOrder(int32_t id, int32_t position) {
  Set(id, &Category::displayOrder, position);
}
void clsCategoryControl::SetScoringOrder(int32_t id, int32_t position) {
  Set(id, &Category::scoringOrder, position);
}
void clsCategoryControl::SetTieOrder(int32_t id, int32_t position) { Set(id, &Category::tieOrder, position); }
void clsCategoryControl::SetReportOrder(int32_t id, int32_t position) {
  Set(id, &Category::reportOrder, position);
}
void clsCategoryControl::SetDisplayDec(int32_t id, uint8_t dec) { Set(id, &Category::displayDec, dec); }
void clsCategoryControl::SetReportDec(int32_t id, uint8_t dec) { Set(id, &Category::reportDec, dec); }

const clsCategoryControl::OrderEntry& clsCategoryControl::EntryAt(const Order& order,
                                                                  int32_t position) const {
  if (position < 1 || position > Size(order))
    throw std::out_of_range("order position " + std::to_string(position));
  return order[static_cast<std::size_t>(position - 1)];
}

const clsCategoryControl::Category* clsCategoryControl::CategoryAt(const Order& order,
                                                                   int32_t position) const {
  const OrderEntry& entry = EntryAt(order, position);
  return entry.category < 0 ? nullptr : &categories_[static_cast<std::size_t>(entry.category)];
}

uint8_t clsCategoryControl::DisplayDec(int32_t position) const { return EntryAt(display_, position).dec; }
uint8_t clsCategoryControl::ReportDec(int32_t position) const { return EntryAt(report_, position).dec; }

void clsCategoryControl::ClearDisplayOrder() {
  for (Category& c : categories_) c.displayOrder = 0;
  display_.clear();
}
void clsCategoryControl::ClearScoringOrder() {
  for (Category& c : categories_) c.scoringOrder = 0;
  scoring_.clear();
}
void clsCategoryControl::ClearTieOrder() {
  for (Category& c : categories_) c.tieOrder = 0;
  tie_.clear();
}
void clsCategoryControl::ClearReportOrder() {
  for (Category& c : categories_) c.reportOrder = 0;
  report_.clear();
}

void clsCategoryControl::RebuildOrder(Order& order, int32_t Category::*position, uint8_t Category::*dec) {
  int32_t count = 0;
  for (const Category& c : categories_) count = std::max(count, c.*position);
  order.assign(static_cast<std::size_t>(count), OrderEntry{});
  for (std::size_t k = 0; k < categories_.size(); ++k) {
    const Category& c = categories_[k];
    const int32_t p = c.*position;
    if (p <= 0) continue;
    OrderEntry& entry = order[static_cast<std::size_t>(p - 1)];
    entry.category = static_cast<int32_t>(k);
    entry.dec = dec ? c.*dec : 0;
  }
}

void clsCategoryControl::UpdateDisplayNdx() {
  RebuildOrder(display_, &Category::displayOrder, &Category::displayDec);
}
void clsCategoryControl::UpdateScoringNdx() { RebuildOrder(scoring_, &Category::scoringOrder, nullptr); }
void clsCategoryControl::UpdateTieNdx() { RebuildOrder(tie_, &Category::tieOrder, nullptr); }
void clsCategoryControl::UpdateReportNdx() {
  RebuildOrder(report_, &Category::reportOrder, &Category::reportDec);
}

void clsCategoryControl::SetDisplayColumns(std::span<const DisplayColumn> columns) {
  ClearDisplayOrder();
  int32_t count = 0;
  for (const DisplayColumn& column : columns) {
    if (Category* c = Find(column.catID)) {
      c->displayOrder = column.order;
      c->displayDec = column.dec;
    }
    count = std::max(count, column.order);
  }
  display_.assign(static_cast<std::size_t>(count), OrderEntry{});
  for (const DisplayColumn& column : columns) {
    if (column.order <= 0) continue;
    OrderEntry& entry = display_[static_cast<std::size_t>(column.order - 1)];
    entry.category = byId_.Find(column.catID);
    entry.dec = column.dec;
  }
}

// ------------------------------------------------------------------- values

const clsCategoryControl::Operation* clsCategoryControl::LastOp(const Category& category) const {
  const int32_t ops = category.OpCount();
  return ops == 0 ? nullptr : &operations_[static_cast<std::size_t>(category.firstOp + ops - 1)];
}

clsCategoryControl::Operation* clsCategoryControl::LastOp(const Category& category) {
  return const_cast<Operation*>(std::as_const(*this).LastOp(category));
}

double clsCategoryControl::CategoryValue(const Category& category) const {
  const Operation* last = LastOp(category);
  return last ? last->value : 0;
}

double clsCategoryControl::ReferencedValue(const Category& category, int64_t target) const {
  if (target < category.firstOp || target >= category.firstOp + category.OpCount()) return 0;
  return operations_[static_cast<std::size_t>(target)].value;
}

double clsCategoryControl::FieldValue(const Category& category, int32_t index, const TableRows& rows,
                                      int32_t row) const {
  const Operation& op = operations_[static_cast<std::size_t>(index)];
  if (op.field == kNoField) return 0;
  if (op.field == kOperationField) {
    const double target = runtime::RoundHalfEven(static_cast<double>(index) + op.operatorValue);
    return ReferencedValue(category, static_cast<int64_t>(target));
  }
  return rows.At(row, op.field);
}

void clsCategoryControl::ApplyOperator(const Category& category, int32_t index, double field) {
  Operation& op = operations_[static_cast<std::size_t>(index)];
  if (op.op == 0) {
    op.value = field;
    return;
  }
  const double operand = op.operatorValue == 0 || op.field == kOperationField
                             ? ReferencedValue(category, static_cast<int64_t>(index) + op.operatorRef)
                             : static_cast<double>(op.operatorValue);
  switch (op.op) {
    case 1:
      op.value = field + operand;
      break;
    case 2:
      op.value = operand - field;
      break;
    case 3:
      op.value = field * operand;
      break;
    case 4:
      op.value = field == 0 ? 0 : operand / field;
      break;
    case 5:
      op.value = op.value + operand;
      break;
    case 6:
      op.value = operand == 0 ? 0 : field / operand;
      break;
    default:
      break;
  }
}

void clsCategoryControl::EvaluateCategory(const Category& category) {
  const int32_t first = category.firstOp;
  const int32_t end = first + category.OpCount();
  // Every operation starts from 0, so a reference to a later one never
  // reads what a previous player-week left behind.
  for (int32_t i = first; i < end; ++i) operations_[static_cast<std::size_t>(i)].value = 0;
  static const TableRows kNoRows;
  for (int32_t i = first; i < end; ++i) {
    const Operation& op = operations_[static_cast<std::size_t>(i)];
    const TableRows* rows = RowsOf(op.table);
    const int32_t n = rows ? rows->count : 0;
    if (n == 0) {
      // No row: nothing to count and no row to pass a type filter; other
      // operators still act on a field value of 0.
      if (op.op != 0 && op.op != 5 && op.typeField == 0) {
        const double field = op.field == kOperationField ? FieldValue(category, i, kNoRows, 0) : 0;
        ApplyOperator(category, i, field);
      }
      continue;
    }
    for (int32_t r = 0; r < n; ++r) {
      if (op.typeField != 0 && rows->At(r, op.typeField) != static_cast<double>(op.typeValue)) continue;
      ApplyOperator(category, i, FieldValue(category, i, *rows, r));
    }
  }
}

std::vector<uint8_t> clsCategoryControl::ScoringFields(int32_t table) const {
  std::vector<uint8_t> fields;
  const auto use = [&fields](uint8_t ordinal) {
    if (ordinal >= fields.size()) fields.resize(static_cast<std::size_t>(ordinal) + 1, 0);
    fields[ordinal] = 1;
  };
  for (const OrderEntry& entry : scoring_) {
    if (entry.category < 0) continue;
    const Category& category = categories_[static_cast<std::size_t>(entry.category)];
    const int32_t first = category.firstOp;
    for (int32_t i = first; i < first + category.OpCount(); ++i) {
      const Operation& op = operations_[static_cast<std::size_t>(i)];
      if (op.table != table) continue;
      if (op.field != kNoField && op.field != kOperationField) use(op.field);
      if (op.typeField != 0) use(op.typeField);
    }
  }
  return fields;
}

void clsCategoryControl::ExtractValues(const Order& order) {
  for (const OrderEntry& entry : order)
    if (entry.category >= 0) EvaluateCategory(categories_[static_cast<std::size_t>(entry.category)]);
}

void clsCategoryControl::ExtractScoringMaxValues(int32_t direction) {
  static const TableRows kNoRows;
  for (const OrderEntry& entry : scoring_) {
    if (entry.category < 0) continue;
    const Category& category = categories_[static_cast<std::size_t>(entry.category)];
    const int32_t first = category.firstOp;
    const int32_t end = first + category.OpCount();
    for (int32_t i = first; i < end; ++i) operations_[static_cast<std::size_t>(i)].value = 0;
    for (int32_t i = first; i < end; ++i) {
      const Operation& op = operations_[static_cast<std::size_t>(i)];
      jet::Recordset* recordset = RecordsetRef(op.table);
      if (!recordset || recordset->RecordCount() == 0) {
        if (op.op != 0 && op.op != 5 && op.typeField == 0)
          ApplyOperator(category, i, FieldValue(category, i, kNoRows, 0));
        continue;
      }
      double field = 0;
      if (op.field == kOperationField) {
        field = FieldValue(category, i, kNoRows, 0);
      } else if (op.field != kNoField && op.field < recordset->FieldCount()) {
        for (recordset->MoveFirst(); !recordset->Eof(); recordset->MoveNext()) {
          const double v = recordset->Field(op.field).AsDouble();
          if ((direction == 1 && v > field) || (direction == -1 && v < field)) field = v;
        }
      }
      ApplyOperator(category, i, field);
    }
  }
}

void clsCategoryControl::ForceStat(int32_t id, float value) {
  const Category* c = Find(id);
  if (!c) return;
  if (Operation* last = LastOp(*c)) last->value = static_cast<double>(value);
}

double clsCategoryControl::DoubleValue(int32_t id) const {
  const Category* c = Find(id);
  return c ? CategoryValue(*c) : 0;
}

double clsCategoryControl::EntryValue(const Order& order, int32_t position) const {
  const Category* c = CategoryAt(order, position);
  return c ? CategoryValue(*c) : 0;
}

float clsCategoryControl::DisplayValue(int32_t position) const {
  return static_cast<float>(EntryValue(display_, position));
}
float clsCategoryControl::ReportValue(int32_t position) const {
  return static_cast<float>(EntryValue(report_, position));
}
float clsCategoryControl::ScoringValue(int32_t position) const {
  return static_cast<float>(EntryValue(scoring_, position));
}
double clsCategoryControl::DoubleScoringValue(int32_t position) const {
  return EntryValue(scoring_, position);
}

void clsCategoryControl::ClearDisplayValues() {
  for (const OrderEntry& entry : display_) {
    if (entry.category < 0) continue;
    if (Operation* last = LastOp(categories_[static_cast<std::size_t>(entry.category)])) last->value = 0;
  }
}

// --------------------------------------------------------------- attributes

uint8_t clsCategoryControl::Ops(int32_t id) const {
  const Category* c = Find(id);
  return c ? static_cast<uint8_t>(c->OpCount()) : 0;
}

uint8_t clsCategoryControl::SubCatID(int32_t id) const { return Get(id, &Category::subCatID); }
uint8_t clsCategoryControl::Unit(int32_t id) const { return Get(id, &Category::unit); }
uint8_t clsCategoryControl::DisplayType(int32_t id) const { return Get(id, &Category::displayType); }
uint8_t clsCategoryControl::DefaultFormat(int32_t id) const { return Get(id, &Category::defaultFormat); }
uint8_t clsCategoryControl::FormatType(int32_t id) const { return Get(id, &Category::formatType); }
uint8_t clsCategoryControl::ZeroDisplay(int32_t id) const { return Get(id, &Category::zeroDisplay); }
int32_t clsCategoryControl::EditType(int32_t id) const { return Get(id, &Category::editType); }
int32_t clsCategoryControl::SortType(int32_t id) const { return Get(id, &Category::sortType); }
std::string clsCategoryControl::Name(int32_t id) const { return Get(id, &Category::name); }
std::string clsCategoryControl::Abrv(int32_t id) const { return Get(id, &Category::abrv); }

uint8_t clsCategoryControl::Table(int32_t id) const {
  const Category* c = Find(id);
  return c && c->OpCount() > 0 ? operations_[static_cast<std::size_t>(c->firstOp)].table : 0;
}

uint8_t clsCategoryControl::Field(int32_t id) const {
  const Category* c = Find(id);
  return c && c->OpCount() > 0 ? operations_[static_cast<std::size_t>(c->firstOp)].field : 0;
}

uint8_t clsCategoryControl::TypeField(int32_t id) const {
  const Category* c = Find(id);
  const Operation* last = c ? LastOp(*c) : nullptr;
  return last ? last->typeField : 0;
}

uint8_t clsCategoryControl::TypeValue(int32_t id) const {
  const Category* c = Find(id);
  const Operation* last = c ? LastOp(*c) : nullptr;
  return last ? last->typeValue : 0;
}

int32_t clsCategoryControl::DisplayID(int32_t position) const {
  const Category* c = CategoryAt(display_, position);
  return c ? c->id : 0;
}

uint8_t clsCategoryControl::DisplaySubCat(int32_t position) const {
  const Category* c = CategoryAt(display_, position);
  return c ? c->subCatID : 0;
}

uint8_t clsCategoryControl::DisplayZeroDisplay(int32_t position) const {
  const Category* c = CategoryAt(display_, position);
  return c ? c->zeroDisplay : 0;
}

uint8_t clsCategoryControl::ReportSubCat(int32_t position) const {
  const Category* c = CategoryAt(report_, position);
  return c ? c->subCatID : 0;
}

uint8_t clsCategoryControl::ReportZeroDisplay(int32_t position) const {
  const Category* c = CategoryAt(report_, position);
  return c ? c->zeroDisplay : 0;
}
