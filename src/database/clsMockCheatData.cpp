#include "database/clsMockCheatData.h"

#include <algorithm>

std::string clsMockCheatData::DataValue(int32_t key) const {
  auto it = std::find(keys_.begin(), keys_.end(), key);
  return it == keys_.end() ? std::string() : texts_[static_cast<std::size_t>(it - keys_.begin())];
}

void clsMockCheatData::SetDataValue(int32_t key, const std::string& text) {
  auto it = std::find(keys_.begin(), keys_.end(), key);
  if (it != keys_.end()) {
    texts_[static_cast<std::size_t>(it - keys_.begin())] = text;
    return;
  }
  keys_.push_back(key);
  texts_.push_back(text);
}
