#include "database/clsDisplayGridIsolate.h"

#include <stdexcept>

#include "core/Seams.h"
#include "core/basAssociatedFiles.h"
#include "platform/runtime/ByteStream.h"
#include "platform/runtime/Encoding.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"

namespace {

// A fixed text field's display form: cut at the first NUL (a field never
// set holds NULs), converted from Windows-1252, blanks trimmed.
std::string FieldText(const std::string& bytes) {
  return runtime::Trim(runtime::Cp1252ToUtf8(runtime::TrimAtNul(bytes)));
}

}  // namespace

clsDisplayGridIsolate::clsDisplayGridIsolate() : gridName_(kTextWidth, '\0') {}

clsDisplayGridIsolate::Column& clsDisplayGridIsolate::At(int32_t col) {
  if (col < 0 || col > ColumnMax()) throw std::out_of_range("display grid column " + std::to_string(col));
  return columns_[static_cast<std::size_t>(col)];
}

const clsDisplayGridIsolate::Column& clsDisplayGridIsolate::At(int32_t col) const {
  if (col < 0 || col > ColumnMax()) throw std::out_of_range("display grid column " + std::to_string(col));
  return columns_[static_cast<std::size_t>(col)];
}

void clsDisplayGridIsolate::Spawn(clsDisplayGridIsolate& target) const {
  if (&target == this) return;
  target.SetFilePath(filePath_);
  target.SetGridName(fileName_);
  target.columns_ = columns_;
}

void clsDisplayGridIsolate::SetColumnMax(int32_t n) {
  if (n < -1) throw std::out_of_range("display grid column max " + std::to_string(n));
  columns_.resize(static_cast<std::size_t>(n + 1));
}

void clsDisplayGridIsolate::SetFilePath(const std::string& path) {
  filePath_ = path;
  RecomputeFileName();
}

void clsDisplayGridIsolate::RecomputeFileName() {
  const auto slash = filePath_.rfind('/');
  if (slash != std::string::npos) fileName_ = filePath_.substr(slash + 1);
}

void clsDisplayGridIsolate::SetGridName(const std::string& name) {
  gridName_ = runtime::ToFixedField(name, kTextWidth);
}

std::string clsDisplayGridIsolate::Title1(int32_t col) const { return FieldText(At(col).title1); }
std::string clsDisplayGridIsolate::Title2(int32_t col) const { return FieldText(At(col).title2); }

void clsDisplayGridIsolate::SetTitle1(int32_t col, const std::string& text) {
  At(col).title1 = runtime::ToFixedField(text, kTextWidth);
}

void clsDisplayGridIsolate::SetTitle2(int32_t col, const std::string& text) {
  At(col).title2 = runtime::ToFixedField(text, kTextWidth);
}

uint8_t clsDisplayGridIsolate::OrderNumberWTableFieldID(int32_t catID) const {
  for (const Column& column : columns_)
    if (column.tableFieldID == catID) return column.orderNumber;
  return 0;
}

uint8_t clsDisplayGridIsolate::pFnRemoveColumnWithTableFieldID(int32_t catID) {
  for (std::size_t k = 0; k < columns_.size(); ++k) {
    if (columns_[k].tableFieldID != catID) continue;
    const uint8_t removed = columns_[k].orderNumber;
    for (std::size_t j = k + 1; j < columns_.size(); ++j) --columns_[j].orderNumber;
    columns_.erase(columns_.begin() + static_cast<std::ptrdiff_t>(k));
    return removed;
  }
  return 0;
}

void clsDisplayGridIsolate::pSbReOrderColumns(int32_t fromOrder, int32_t toOrder) {
  const int32_t count = ColumnMax() + 1;
  if (fromOrder < 1 || fromOrder > 255 || toOrder < 1 || toOrder > count) return;
  // With several columns claiming the position, the last one is the one moved.
  int32_t s = -1;
  for (int32_t k = 0; k < count; ++k)
    if (columns_[static_cast<std::size_t>(k)].orderNumber == fromOrder) s = k;
  if (s < 0) return;

  const Column kept = columns_[static_cast<std::size_t>(s)];
  auto col = [this](int32_t j) -> Column& { return columns_[static_cast<std::size_t>(j)]; };
  if (fromOrder <= toOrder) {
    for (int32_t j = s; j <= toOrder - 2; ++j) {
      col(j) = col(j + 1);
      --col(j).orderNumber;
    }
  } else {
    for (int32_t j = s; j >= toOrder; --j) {
      col(j) = col(j - 1);
      ++col(j).orderNumber;
    }
  }
  col(toOrder - 1) = kept;
  col(toOrder - 1).orderNumber = static_cast<uint8_t>(toOrder);
}

std::string clsDisplayGridIsolate::ToBytes() const {
  runtime::ByteWriter out;
  out.FixedText(kSignature, kSignatureWidth);
  out.Long(kVersion);
  out.Long(ColumnMax() + 1);
  out.Long(gridType_);
  out.Raw(gridName_);
  for (const Column& column : columns_) {
    out.Long(column.tableFieldID);
    out.Byte(column.orderNumber);
    out.Integer(column.columnWidth);
    out.Raw(column.title1);
    out.Raw(column.title2);
    out.Byte(column.decimals);
    out.Byte(column.align);
  }
  return out.Take();
}

bool clsDisplayGridIsolate::SaveFile() {
  std::string error;
  if (!runtime::SaveFileAtomically(filePath_, ToBytes(), &error)) {
    basAssociatedFiles::ShowOpenFileError(error, filePath_);
    return false;
  }
  return true;
}

bool clsDisplayGridIsolate::OpenFile(const std::string& path) {
  const auto bytes = runtime::ReadFileBytes(path, nullptr, kMaxFileBytes);
  if (!bytes || bytes->size() < kHeaderBytes) return false;

  runtime::ByteReader in(*bytes);
  const std::string signature = in.Raw(kSignatureWidth);
  const int32_t version = in.Long();
  const int32_t columnCount = in.Long();
  const int32_t gridType = in.Long();
  const std::string gridName = in.Raw(kTextWidth);
  if (runtime::Trim(signature) != kSignature || version >= 2 || columnCount < 0) return false;
  if (!in.CanRead(static_cast<uint64_t>(columnCount) * kColumnBytes)) return false;

  std::vector<Column> columns(static_cast<std::size_t>(columnCount));
  for (Column& column : columns) {
    column.tableFieldID = in.Long();
    column.orderNumber = in.Byte();
    column.columnWidth = in.Integer();
    column.title1 = in.Raw(kTextWidth);
    column.title2 = in.Raw(kTextWidth);
    column.decimals = in.Byte();
    column.align = in.Byte();
  }
  if (!in.Ok()) return false;

  gridType_ = gridType;
  gridName_ = gridName;
  columns_ = std::move(columns);
  filePath_ = path;
  RecomputeFileName();
  return true;
}
