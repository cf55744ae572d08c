#pragma once
// The colour chooser ("Color Selection"): a hue-saturation spectrum, a
// luminance bar with a marker under it, a preview swatch, and seven boxes
// in which the colour can be typed as red, green, blue, six hexadecimal
// digits, hue, saturation and luminance. A change in any one place updates
// all the others at once.
//
// Callers load the dialog, preset it with pSbSetInitialColour, show it
// modal and read ColourDialogAnswer: the colour confirmed with OK, or -1
// when the user cancelled or closed the dialog.

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

#include "toolkit/basDrawColourGrad.h"

class PictureBox;
class QLineEdit;
class QTimer;
class clsButton;

// The answer of the last colour dialog, for the whole program.
inline int32_t ColourDialogAnswer = -1;

class frmColour : public QDialog {
  Q_OBJECT

 public:
  // The boxes of txtColour.
  enum Box : int32_t { kRed = 0, kGreen, kBlue, kHex, kHue, kSaturation, kLuminance, kBoxCount };

  explicit frmColour(QWidget* owner = nullptr);
  ~frmColour() override;

  void pSbSetInitialColour(int32_t colour);
  int32_t Colour() const { return colour_; }

  // Picking with the mouse, in the pictures' pixels.
  void PickSpectrum(int32_t x, int32_t y);
  void PickLuminance(int32_t x);

  // The controls, for the windows' tests.
  PictureBox* picGrad() const { return picGrad_; }
  PictureBox* picLum() const { return picLum_; }
  PictureBox* picPoint() const { return picPoint_; }
  PictureBox* picSel() const { return picSel_; }
  QLineEdit* txtColour(int32_t box) const { return txtColour_.at(static_cast<std::size_t>(box)); }
  clsButton* mSc() const { return mSc_.get(); }

 protected:
  // Activation: the marker is drawn and placed, and the answer reset.
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void mSc_Click(int32_t index);

 private:
  void txtColour_Change(int32_t box);
  // Shows a colour given as a platform value.
  void ShowColour(int32_t colour);
  // The colour from the current red, green and blue, and everything after.
  void ApplyRgb(bool recomputeHsl);
  void WriteBoxes();
  void DrawSpectrum();
  void DrawLuminance();
  void DrawMarker();
  void MoveMarker();

  PictureBox* picGrad_;
  PictureBox* picLum_;
  PictureBox* picPoint_;
  PictureBox* picSel_;
  std::array<QLineEdit*, kBoxCount> txtColour_{};
  PictureBox* picButtons_;
  QTimer* timButtons_;
  std::unique_ptr<clsButton> mSc_;

  int32_t colour_ = 0;
  basDrawColourGrad::Rgb rgb_{};
  basDrawColourGrad::Hsl hsl_{};
  bool updating_ = false;
};
