#pragma once
// The strain-update prompt (the window frmMsgUpdate, captioned "Projection
// Strain Update"): what its file label, its three check boxes and its OK /
// Cancel buttons do, kept apart from the window so that the update routine's
// decisions can be driven without a screen. The window shows this state and
// forwards its clicks here; headless code reaches the window through
// seams::StrainUpdatePrompt().

#include <array>
#include <cstdint>
#include <string>

// The prompt's options, preset by the update routine before the prompt
// loads and read back after it closes; indexed by StrainUpdateOption.
inline std::array<bool, 3> StrainUpdateOptions{};

enum StrainUpdateOption : int32_t {
  kIgnoreStrainUpdate = 0,  // only record the newest offered version as offered
  kApplyStrainUpdate = 1,   // apply the offered files
  kKeepModifiedStats = 2,   // keep modified player-weeks while applying
};

class clsStrainUpdatePrompt {
 public:
  static constexpr const char* kCaption = "Projection Strain Update";
  static constexpr int32_t kOptionCount = 3;

  // Loading: each box is checked as StrainUpdateOptions presets it, boxes 1
  // and 2 are enabled only while box 0 is clear, and MessageAnswer becomes
  // "cancel".
  clsStrainUpdatePrompt();

  // lblFile: the part of the path after its last '/'; "" for a path without one.
  void FileName(const std::string& path);
  const std::string& FileLabel() const { return fileLabel_; }

  // The check boxes (chkM): "Ignore this update.", "Apply Projection Strain
  // update.", "DO NOT overwrite modified player stats.". An index outside
  // 0..2 throws std::out_of_range.
  static const char* CheckCaption(int32_t index);
  bool Checked(int32_t index) const;
  bool Enabled(int32_t index) const;
  // A click on an enabled box toggles it; box 0 then greys or enables boxes
  // 1 and 2. A greyed box does not take the click.
  void ClickCheck(int32_t index);

  // The button bar: 0 "OK" writes every box back into StrainUpdateOptions,
  // greyed ones too, and answers "save"; 1 "Cancel" answers "cancel" and
  // leaves the options as preset. Either closes the prompt.
  void mBtn_Click(int32_t index);
  // The window's close box: closes, the answer stays "cancel".
  void CloseWindow() { closed_ = true; }
  bool Closed() const { return closed_; }

 private:
  std::array<bool, 3> checked_{};
  std::string fileLabel_;
  bool closed_ = false;
};
