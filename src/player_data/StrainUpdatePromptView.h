#pragma once
// The strain-update prompt's window as the update routine reaches it. The
// window belongs to the shell; headless code shows it only through this
// seam, and tests install a scripted stand-in.

#include <memory>

class clsStrainUpdatePrompt;

namespace seams {

class StrainUpdatePromptView {
 public:
  virtual ~StrainUpdatePromptView() = default;
  // Shows the loaded prompt modal over the main window, captioned
  // clsStrainUpdatePrompt::kCaption, and returns once it is closed; the
  // clicks go to `prompt`.
  virtual void ShowModal(clsStrainUpdatePrompt& prompt) = 0;
};

// The installed window; never null. With nothing installed the prompt is
// not shown and keeps its answer "cancel".
StrainUpdatePromptView& StrainUpdatePrompt();
// Takes ownership; nullptr restores the silent default.
void Install(std::unique_ptr<StrainUpdatePromptView> view);

}  // namespace seams
