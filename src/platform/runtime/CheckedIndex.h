#pragma once
// Element access for the 0-based lists of the in-memory documents: an index
// outside the list is a caller's error and throws (caught at the job or page
// boundary and shown as one message) instead of reading past the end.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace runtime {

template <typename T>
T& Element(std::vector<T>& list, int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
    throw std::out_of_range("Subscript out of range");
  }
  return list[static_cast<std::size_t>(index)];
}

template <typename T>
const T& Element(const std::vector<T>& list, int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
    throw std::out_of_range("Subscript out of range");
  }
  return list[static_cast<std::size_t>(index)];
}

}  // namespace runtime
