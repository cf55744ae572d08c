#include "shell/ui/frmMessage.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <algorithm>

#include "core/Seams.h"
#include "platform/runtime/Text.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basButtonMocks.h"
#include "toolkit/ui/basFormLook.h"
#include "toolkit/ui/clsButton.h"

using basFormLook::Px;

namespace {

// The text as the box lays it out, every line within `width`: a word that
// does not fit on the rest of its line starts the next one whole (the
// label's own wrapping would split a web address at any of its slashes),
// and only a word wider than a whole line is split, after one of its "/".
QString BreakLines(const QString& text, const QFontMetrics& metrics, int width) {
  const auto fits = [&](const QString& line) { return metrics.horizontalAdvance(line) <= width; };
  QStringList lines;
  for (const QString& paragraph : text.split(QChar('\n'))) {
    QString line;
    bool started = false;
    qsizetype at = 0;
    static const QRegularExpression kWord(QStringLiteral("(\\s*)(\\S+)"));
    for (auto it = kWord.globalMatch(paragraph); it.hasNext();) {
      const QRegularExpressionMatch m = it.next();
      at = m.capturedEnd();
      QString word = m.captured(2);
      if (!started || fits(line + m.captured(1) + word)) {
        line += m.captured(1) + word;
        started = true;
        continue;
      }
      lines << line;
      line.clear();
      // Too wide for any line: its head up to the last "/" that fits.
      while (!fits(word)) {
        qsizetype cut = -1;
        for (qsizetype i = word.indexOf(QChar('/')); i >= 0 && fits(word.left(i + 1)); i = word.indexOf(QChar('/'), i + 1))
          cut = i + 1;
        if (cut <= 0 || cut >= word.size()) break;
        lines << word.left(cut);
        word = word.mid(cut);
      }
      line = word;
    }
    lines << line + paragraph.mid(at);
  }
  return lines.join(QChar('\n'));
}

}  // namespace

frmMessage::frmMessage(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      lblView_(new PlainLabel(this)),
      picBtn_(new PictureBox(this)),
      timBtn_(new QTimer(this)) {
  basFormLook::Apply(this, "Arial");
  setFixedSize(Px(kClientWidthTwips), Px(kClientHeightTwips));
  basFormLook::UseOwnerIcon(this, owner);
  lblView_->setGeometry(Px(120), Px(240), Px(5805), Px(855));
  lblView_->setWordWrap(true);
  lblView_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picBtn_->setGeometry(0, Px(1200), 0, Px(420));
}

frmMessage::~frmMessage() = default;

void frmMessage::Load(const std::string& caption, const std::string& text) {
  setWindowTitle(QString::fromStdString(caption));
  // The label takes '\n'; a CR left in would show as a box in some fonts.
  text_ = QString::fromStdString(runtime::ReplaceAll(text, runtime::kCrLf, "\n"));
  FitToText();
}

void frmMessage::FitToText() {
  const QRect design(Px(120), Px(240), Px(5805), Px(855));
  const QFontMetrics metrics(lblView_->font());
  const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  // A word wider than the label cannot wrap: the box widens for it, up to
  // most of the screen.
  int32_t widestWord = 0;
  for (const QString& word : text_.split(QRegularExpression(QStringLiteral("[ \n]")), Qt::SkipEmptyParts)) {
    widestWord = std::max(widestWord, static_cast<int32_t>(metrics.horizontalAdvance(word)) + 2);
  }
  const int32_t maxWidth = std::max(design.width(), area.width() * 3 / 4 - (Px(kClientWidthTwips) - design.width()));
  const int32_t labelWidth = std::clamp(widestWord, design.width(), maxWidth);
  // A little short of the label: the label's own wrapping then finds every
  // line fitting and breaks none.
  lblView_->setText(BreakLines(text_, metrics, labelWidth - 2));
  // Taller for more lines, up to the screen; then whole lines only, so that
  // the last one shown is never cut in half.
  const int32_t chrome = Px(kClientHeightTwips) - design.height();
  const int32_t line = std::max(metrics.lineSpacing(), 1);
  const int32_t maxHeight = std::max(design.height(), (area.height() - chrome - 64) / line * line);
  int32_t labelHeight = std::max(design.height(), lblView_->heightForWidth(labelWidth));
  if (labelHeight > maxHeight) labelHeight = maxHeight;
  extraWidth_ = labelWidth - design.width();
  extraHeight_ = labelHeight - design.height();
  setFixedSize(Px(kClientWidthTwips) + extraWidth_, Px(kClientHeightTwips) + extraHeight_);
  lblView_->setGeometry(design.left(), design.top(), labelWidth, labelHeight);
  picBtn_->move(picBtn_->x(), Px(1200) + extraHeight_);
}

void frmMessage::SetButtonType(int32_t buttonSet) {
  struct Set {
    std::vector<std::string> captions;
    int32_t buttonWidth;  // pixels
    int32_t stripTwips;
    int32_t leftTwips;
  };
  Set set;
  switch (buttonSet) {
    case seams::kSaveDontSaveCancel:
      set = {{"Save", "Don't Save", "Cancel"}, 82, 270 * 15, 0};
      break;
    case seams::kYesNo:
      set = {{"Yes", "No"}, 72, 160 * 15, 0};
      break;
    case seams::kOk:
      set = {{"OK"}, 72, 1250, kOuterWidthTwips - 1400};
      break;
    case seams::kYesToAllYesNo:
      set = {{"Yes To All", "Yes", "No"}, 82, 270 * 15, 0};
      break;
    default:
      return;
  }
  if (buttonSet != seams::kOk) set.leftTwips = kOuterWidthTwips - set.stripTwips - 240;
  // The strip keeps its distance from the right edge of a widened box.
  picBtn_->setGeometry(Px(set.leftTwips) + extraWidth_, Px(1200) + extraHeight_, Px(set.stripTwips), Px(420));
  mBtn_ = std::make_unique<clsButton>();
  connect(mBtn_.get(), &clsButton::Click, this, &frmMessage::mBtn_Click);
  basButtonMocks::SetUpButtonBar(*mBtn_, picBtn_, timBtn_, set.buttonWidth, set.captions,
                                 buttonSet == seams::kSaveDontSaveCancel);
  // The strip is the box's one control: it has the focus, on the default.
  picBtn_->setFocus(Qt::OtherFocusReason);
}

void frmMessage::keyPressEvent(QKeyEvent* event) {
  // The strip answers the keys while it has the focus; should the box
  // have lost it, Return still answers the button last focused.
  if (clsButton::IsReturnKey(*event) && mBtn_ && mBtn_->Buttons() > 0) {
    if (!event->isAutoRepeat()) mBtn_Click(mBtn_->FocusButton());
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmMessage::Unload() {
  hide();
  DoEvents();
  timBtn_->stop();
  mBtn_.reset();
}

void frmMessage::mBtn_Click(int32_t index) {
  static constexpr const char* kAnswers[] = {seams::kAnswerSave, seams::kAnswerNoSave, seams::kAnswerCancel};
  if (index < 0 || index > 2) return;
  answer_ = kAnswers[index];
  done(QDialog::Accepted);
}
