#pragma once
// Texts by whole-number key, for the display columns whose format shows a
// text that the document builders supply (keys such as 87 and 92): a column
// forced to its own key shows the text stored under that key.

#include <cstdint>
#include <string>
#include <vector>

class clsMockCheatData {
 public:
  // The text stored under key; "" when the key was never set.
  std::string DataValue(int32_t key) const;
  // Stores text under key, replacing the text of a key already present.
  void SetDataValue(int32_t key, const std::string& text);
  // Entries are never removed; -1 when empty.
  int32_t LastIndex() const { return static_cast<int32_t>(keys_.size()) - 1; }

 private:
  std::vector<int32_t> keys_;
  std::vector<std::string> texts_;
};
