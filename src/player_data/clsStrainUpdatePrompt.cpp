#include "player_data/clsStrainUpdatePrompt.h"

#include <stdexcept>

#include "core/Seams.h"
#include "core/basMessage.h"

namespace {

std::size_t Box(int32_t index) {
  if (index < 0 || index >= clsStrainUpdatePrompt::kOptionCount) {
    throw std::out_of_range("Strain update prompt: no check box " + std::to_string(index));
  }
  return static_cast<std::size_t>(index);
}

}  // namespace

clsStrainUpdatePrompt::clsStrainUpdatePrompt() : checked_(StrainUpdateOptions) {
  MessageAnswer = seams::kAnswerCancel;
}

void clsStrainUpdatePrompt::FileName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  fileLabel_ = slash == std::string::npos ? std::string() : path.substr(slash + 1);
}

const char* clsStrainUpdatePrompt::CheckCaption(int32_t index) {
  static const char* const kCaptions[] = {"Ignore this update.", "Apply Projection Strain update.",
                                          "DO NOT overwrite modified player stats."};
  return kCaptions[Box(index)];
}

bool clsStrainUpdatePrompt::Checked(int32_t index) const { return checked_[Box(index)]; }

bool clsStrainUpdatePrompt::Enabled(int32_t index) const {
  return Box(index) == kIgnoreStrainUpdate || !checked_[kIgnoreStrainUpdate];
}

void clsStrainUpdatePrompt::ClickCheck(int32_t index) {
  if (closed_ || !Enabled(index)) return;
  checked_[Box(index)] = !checked_[Box(index)];
}

void clsStrainUpdatePrompt::mBtn_Click(int32_t index) {
  if (closed_) return;
  if (index == 0) {
    StrainUpdateOptions = checked_;
    MessageAnswer = seams::kAnswerSave;
  } else {
    MessageAnswer = seams::kAnswerCancel;
  }
  closed_ = true;
}
