#include "platform/runtime/ByteStream.h"

#include <bit>
#include <cstring>

#include "platform/runtime/Encoding.h"

namespace runtime {

static_assert(std::endian::native == std::endian::little, "the file formats are little-endian");

const uint8_t* ByteReader::Take(std::size_t n) {
  if (!ok_ || n > Remaining()) {
    ok_ = false;
    return nullptr;
  }
  const uint8_t* p = data_.data() + pos_;
  pos_ += n;
  return p;
}

bool ByteReader::Seek(uint64_t offset) {
  if (!ok_ || offset > data_.size()) {
    ok_ = false;
    return false;
  }
  pos_ = static_cast<std::size_t>(offset);
  return true;
}

bool ByteReader::Skip(uint64_t n) {
  if (!CanRead(n)) {
    ok_ = false;
    return false;
  }
  pos_ += static_cast<std::size_t>(n);
  return true;
}

namespace {
template <typename T>
T Load(const uint8_t* p) {
  T v{};
  if (p != nullptr) std::memcpy(&v, p, sizeof v);
  return v;
}
}  // namespace

int32_t ByteReader::Long() { return Load<int32_t>(Take(4)); }
int16_t ByteReader::Integer() { return Load<int16_t>(Take(2)); }
uint8_t ByteReader::Byte() { return Load<uint8_t>(Take(1)); }
float ByteReader::Single() { return Load<float>(Take(4)); }
double ByteReader::Double() { return Load<double>(Take(8)); }
bool ByteReader::Boolean() { return Load<int16_t>(Take(2)) != 0; }

std::string ByteReader::FixedText(std::size_t width) {
  const uint8_t* p = Take(width);
  if (p == nullptr) return {};
  return FromFixedField(std::string_view(reinterpret_cast<const char*>(p), width));
}

std::string ByteReader::Raw(std::size_t n) {
  const uint8_t* p = Take(n);
  if (p == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(p), n);
}

namespace {
template <typename T>
void Store(std::string& out, T v) {
  char buf[sizeof v];
  std::memcpy(buf, &v, sizeof v);
  out.append(buf, sizeof v);
}
}  // namespace

void ByteWriter::Long(int32_t v) { Store(data_, v); }
void ByteWriter::Integer(int16_t v) { Store(data_, v); }
void ByteWriter::Byte(uint8_t v) { Store(data_, v); }
void ByteWriter::Single(float v) { Store(data_, v); }
void ByteWriter::Double(double v) { Store(data_, v); }
void ByteWriter::Boolean(bool v) { Store<int16_t>(data_, v ? -1 : 0); }
void ByteWriter::FixedText(std::string_view utf8, std::size_t width) { data_ += ToFixedField(utf8, width); }
void ByteWriter::Raw(std::string_view bytes) { data_.append(bytes); }

}  // namespace runtime
