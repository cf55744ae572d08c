#pragma once
// Bounds-checked little-endian reading and writing of the packed records of
// the binary file formats (32-bit Long, 16-bit Integer, Byte, 32-bit Single,
// 64-bit Double, 16-bit Boolean -1/0, fixed-length Windows-1252 text).
//
// ByteReader never reads past its view: a read that does not fit fails the
// reader (Ok() turns false and stays false), returns zero or empty, and does
// not move the position. Callers check Remaining() before allocating for a
// count read from the file.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace runtime {

class ByteReader {
 public:
  ByteReader() = default;
  explicit ByteReader(std::span<const uint8_t> bytes) : data_(bytes) {}
  explicit ByteReader(std::string_view bytes)
      : data_(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()) {}

  bool Ok() const { return ok_; }
  std::size_t Size() const { return data_.size(); }
  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return data_.size() - pos_; }
  // True when n more bytes can be read (64-bit safe for counts from files).
  bool CanRead(uint64_t n) const { return ok_ && n <= Remaining(); }

  // Moves to an absolute offset; an offset past the end fails the reader.
  bool Seek(uint64_t offset);
  bool Skip(uint64_t n);

  int32_t Long();
  int16_t Integer();
  uint8_t Byte();
  float Single();
  double Double();
  bool Boolean();  // any non-zero 16-bit value is true
  // `width` bytes of Windows-1252 text, trailing NULs stripped, as UTF-8.
  std::string FixedText(std::size_t width);
  // `n` raw bytes.
  std::string Raw(std::size_t n);

 private:
  const uint8_t* Take(std::size_t n);
  std::span<const uint8_t> data_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

class ByteWriter {
 public:
  void Long(int32_t v);
  void Integer(int16_t v);
  void Byte(uint8_t v);
  void Single(float v);
  void Double(double v);
  void Boolean(bool v);  // -1 true, 0 false
  void FixedText(std::string_view utf8, std::size_t width);
  void Raw(std::string_view bytes);

  const std::string& Data() const { return data_; }
  std::string Take() { return std::move(data_); }
  std::size_t Size() const { return data_.size(); }

 private:
  std::string data_;
};

}  // namespace runtime
