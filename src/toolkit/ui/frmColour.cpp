#include "toolkit/ui/frmColour.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "core/basFlexGridCommon.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

namespace {

// The designed layout, in pixels.
constexpr int32_t kSpectrumWidth = 200;
constexpr int32_t kSpectrumHeight = 160;
constexpr int32_t kBarHeight = 12;
constexpr int32_t kMarkerHalf = 8;  // the tip's column in the marker picture

// A picture inside a one-pixel sunken frame; (x, y) is the frame's corner.
PictureBox* FramedPicture(QWidget* parent, int32_t x, int32_t y, int32_t width, int32_t height) {
  return basFormLook::SunkenPicture(parent, QRect(x, y, width + 2, height + 2));
}

// The whole number a box holds, clamped to 0..max; 0 for anything that is
// not a number.
int32_t BoxNumber(const std::string& text, int32_t max) {
  if (!runtime::IsNumeric(text)) return 0;
  const double value = std::clamp(runtime::Val(text), 0.0, static_cast<double>(max));
  return static_cast<int32_t>(runtime::RoundHalfEven(value));
}

bool HexDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  });
}

int32_t ColourOf(const basDrawColourGrad::Rgb& rgb) {
  return basDrawColourGrad::RgbToColour(rgb[0], rgb[1], rgb[2]);
}

gdi::COLORREF Pixel(const basDrawColourGrad::Rgb& rgb) { return gdi::Rgb(rgb[0], rgb[1], rgb[2]); }

}  // namespace

frmColour::frmColour(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      picButtons_(nullptr),
      timButtons_(new QTimer(this)) {
  basFormLook::Apply(this, "Arial");
  setWindowTitle(QStringLiteral("Color Selection"));
  basFormLook::UseOwnerIcon(this, owner);
  setFixedSize(400, 236);

  picGrad_ = FramedPicture(this, 8, 8, kSpectrumWidth, kSpectrumHeight);
  picLum_ = FramedPicture(this, 8, 178, kSpectrumWidth, kBarHeight);
  picPoint_ = new PictureBox(this);
  picPoint_->setGeometry(9, 194, 2 * kMarkerHalf + 1, kMarkerHalf + 1);
  picSel_ = FramedPicture(this, 222, 8, 168, 48);
  for (PictureBox* picture : {picGrad_, picLum_}) {
    picture->installEventFilter(this);
    picture->setCursor(Qt::CrossCursor);
  }

  struct BoxPlace {
    const char* caption;
    int32_t x, y, width;
  };
  static constexpr BoxPlace kPlaces[kBoxCount] = {
      {"Red:", 222, 66, 44},  {"Green:", 222, 90, 44}, {"Blue:", 222, 114, 44}, {"Hex:", 222, 138, 60},
      {"Hue:", 318, 66, 36},  {"Sat:", 318, 90, 36},   {"Lum:", 318, 114, 36},
  };
  for (int32_t i = 0; i < kBoxCount; ++i) {
    const BoxPlace& place = kPlaces[i];
    auto* label = new PlainLabel(QString::fromLatin1(place.caption), this);
    label->move(place.x, place.y + 3);
    auto* box = new QLineEdit(this);
    box->setGeometry(place.x + 40, place.y, place.width, 20);
    box->setMaxLength(i == kHex ? 6 : 8);
    connect(box, &QLineEdit::textChanged, this, [this, i] { txtColour_Change(i); });
    txtColour_[static_cast<std::size_t>(i)] = box;
  }

  picButtons_ = new PictureBox(this);
  picButtons_->setGeometry(229, 200, 163, 28);
  mSc_ = std::make_unique<clsButton>();
  connect(mSc_.get(), &clsButton::Click, this, &frmColour::mSc_Click);
  basButtonMocks::SetUpOKCancelButtons(*mSc_, picButtons_, timButtons_);

  updating_ = true;
  DrawSpectrum();
  ShowColour(0);
}

frmColour::~frmColour() { timButtons_->stop(); }

void frmColour::pSbSetInitialColour(int32_t colour) { ShowColour(colour); }

void frmColour::ShowColour(int32_t colour) {
  int32_t red = 0, green = 0, blue = 0;
  basFlexGridCommon::ColourToRgb(colour, red, green, blue);
  rgb_ = {red, green, blue};
  ApplyRgb(true);
}

void frmColour::ApplyRgb(bool recomputeHsl) {
  // Whatever came in, the answer is a plain colour of three bytes.
  for (int32_t& channel : rgb_) channel = std::clamp(channel, 0, 255);
  colour_ = ColourOf(rgb_);
  if (recomputeHsl) hsl_ = basDrawColourGrad::RgbToHsl(rgb_);
  WriteBoxes();
  DrawLuminance();
  MoveMarker();
}

void frmColour::WriteBoxes() {
  updating_ = false;
  picSel_->SetBackColor(static_cast<gdi::COLORREF>(colour_));
  picSel_->Refresh();
  for (int32_t i = kRed; i <= kBlue; ++i) txtColour(i)->setText(QString::number(rgb_[static_cast<std::size_t>(i)]));
  txtColour(kHex)->setText(QString::fromStdString(basFlexGridCommon::ColourToHtml(colour_).substr(1)));
  txtColour(kHue)->setText(QString::fromStdString(runtime::Format(hsl_[0], "0")));
  txtColour(kSaturation)->setText(QString::fromStdString(runtime::Format(hsl_[1] * 100, "0")));
  txtColour(kLuminance)->setText(QString::fromStdString(runtime::Format(hsl_[2] * 100, "0")));
  updating_ = true;
}

void frmColour::txtColour_Change(int32_t box) {
  if (!updating_) return;
  QLineEdit* edit = txtColour(box);
  const std::string text = runtime::Trim(edit->text().toStdString());
  int32_t value = 0;
  if (box == kHex) {
    if (text.size() != 6 || !HexDigits(text)) return;
    for (std::size_t i = 0; i < 3; ++i) rgb_[i] = std::stoi(text.substr(2 * i, 2), nullptr, 16);
    ApplyRgb(true);
  } else if (box <= kBlue) {
    value = BoxNumber(text, 255);
    rgb_[static_cast<std::size_t>(box)] = value;
    ApplyRgb(true);
  } else {
    value = BoxNumber(text, box == kHue ? 360 : 100);
    hsl_[static_cast<std::size_t>(box - kHue)] = box == kHue ? value : value / 100.0;
    rgb_ = basDrawColourGrad::HslToRgb(hsl_);
    ApplyRgb(false);
  }
  // A box the user cleared stays clear rather than showing "0".
  if (text.empty() && value == 0) {
    updating_ = false;
    edit->clear();
    updating_ = true;
  }
  edit->setCursorPosition(static_cast<int>(edit->text().size()));
}

void frmColour::PickSpectrum(int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= picGrad_->ScaleWidth() || y >= picGrad_->ScaleHeight()) return;
  ShowColour(static_cast<int32_t>(picGrad_->hDC().GetPixel(x, y)));
}

void frmColour::PickLuminance(int32_t x) {
  const int32_t w = picLum_->ScaleWidth();
  if (w <= 0) return;
  hsl_[2] = std::clamp(static_cast<double>(x) / w, 0.0, 1.0);
  rgb_ = basDrawColourGrad::HslToRgb(hsl_);
  colour_ = ColourOf(rgb_);
  MoveMarker();
  WriteBoxes();
}

void frmColour::DrawSpectrum() {
  gdi::MemoryDC& dc = picGrad_->hDC();
  const int32_t w = dc.Width(), h = dc.Height();
  if (w <= 0 || h <= 0) return;
  // Red at the right edge, the hue falling to the left; full saturation at
  // the top, grey at the bottom.
  for (int32_t x = 1; x <= w; ++x) {
    const double hue = 360.0 / w * (w + 1 - x);
    for (int32_t y = 1; y <= h; ++y) {
      const double saturation = static_cast<double>(h + 1 - y) / h;
      dc.SetPixel(x - 1, y - 1, Pixel(basDrawColourGrad::HslToRgb({hue, saturation, 0.5})));
    }
  }
  picGrad_->Refresh();
}

void frmColour::DrawLuminance() {
  gdi::MemoryDC& dc = picLum_->hDC();
  const int32_t w = dc.Width();
  if (w <= 1) return;
  // Black at the left, white at the right.
  for (int32_t i = 1; i <= w; ++i) {
    const double luminance = static_cast<double>(i - 1) / (w - 1);
    dc.DrawLine(i - 1, 0, i - 1, dc.Height(), Pixel(basDrawColourGrad::HslToRgb({hsl_[0], hsl_[1], luminance})));
  }
  picLum_->Refresh();
}

void frmColour::DrawMarker() {
  picPoint_->SetBackColor(gdi::kWhite);
  gdi::MemoryDC& dc = picPoint_->hDC();
  for (int32_t y = 1; y <= 7; ++y) dc.DrawLine(kMarkerHalf - y, y, kMarkerHalf + y + 1, y, gdi::kBlack);
  picPoint_->Refresh();
}

void frmColour::MoveMarker() {
  const int32_t barLeft = picLum_->mapTo(this, QPoint(0, 0)).x();
  const auto column = static_cast<int32_t>(runtime::RoundHalfEven(picLum_->ScaleWidth() * hsl_[2]));
  picPoint_->move(barLeft + column - kMarkerHalf, picPoint_->y());
}

void frmColour::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  DrawMarker();
  MoveMarker();
  ColourDialogAnswer = -1;
}

bool frmColour::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if ((mouse->buttons() & Qt::LeftButton) != 0) {
      const QPoint at = mouse->position().toPoint();
      if (watched == picGrad_) {
        PickSpectrum(at.x(), at.y());
        return true;
      }
      if (watched == picLum_) {
        PickLuminance(at.x());
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmColour::mSc_Click(int32_t index) {
  if (index == 0) {
    ColourDialogAnswer = colour_;
    accept();
  } else if (index == 1) {
    ColourDialogAnswer = -1;
    reject();
  }
}
