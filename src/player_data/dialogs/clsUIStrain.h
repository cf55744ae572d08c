#pragma once
// The projection-strain file dialog (frmStrain, "Create Projection Strain
// File"): turns a projected-stats database into a strain file, a player-
// record file whose one block (week 250) holds every player's non-zero
// season values of the editable categories. What its Browse, destination
// box and OK / Cancel do lives here; the window shows this state and
// forwards its clicks.

#include <string>

class clsUIStrain {
 public:
  static constexpr const char* kCaption = "Create Projection Strain File";

  // lblSt: " " + the projected-stats file chosen by Browse (the file dialog
  // in Select mode).
  const std::string& SourceLabel() const { return lblSt_; }
  void mSt_Click();
  // lblDs: the destination chosen in the save dialog that picDs opens,
  // with ".kwr" and the dialog's folder when the name lacks them.
  const std::string& DestinationLabel() const { return lblDs_; }
  void picDs_Click();
  // txtURL: the header text written into the file (cut to 60 bytes there).
  const std::string& SourceSite() const { return txtURL_; }
  void SetSourceSite(const std::string& text) { txtURL_ = text; }

  // 0 OK writes the file: after "Projection Strain File Created" the dialog
  // closes; a refusal or "Projection Strain File Error" keeps it open, and
  // a file that was there stays as it was. 1 Cancel closes it.
  void mOK_Click(int index);
  void CloseWindow() { closed_ = true; }
  bool Closed() const { return closed_; }

 private:
  bool CreateStrainFile();

  std::string lblSt_;
  std::string lblDs_;
  std::string txtURL_;
  bool closed_ = false;
};
