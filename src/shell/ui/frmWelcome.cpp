#include "shell/ui/frmWelcome.h"

#include <QFontMetrics>

#include "core/PageCode.h"
#include "core/Seams.h"
#include "core/basMessage.h"
#include "shell/AppInfo.h"
#include "toolkit/ui/LabelLink.h"
#include "toolkit/ui/PlainLabel.h"
#include "toolkit/ui/basFormLook.h"

namespace shell_ui {

namespace {

// One line of the page: a text, and optionally a link or a fixed second
// text beside it.
struct Line {
  const char* text;
  const char* link;    // web address shown as a link, or nullptr
  const char* beside;  // plain text beside the first, or nullptr
};

struct Group {
  const char* heading;
  std::vector<Line> lines;
};

const std::vector<Group>& Groups() {
  static const std::vector<Group> groups = {
      {" Getting Started",
       {{" Take a look at some of the example projects included.", nullptr, nullptr},
        {" Click File > Open Project > Select a project from list.", nullptr, nullptr},
        {" Tutorials link:", AppInfo::kTutorialsAddress, nullptr},
        {" Help link:", AppInfo::kHelpAddress, nullptr}}},
      {" App Updates",
       {{" Application updates will give you new features and the most reliable version of Kickwell Draftyard.",
         nullptr, nullptr},
        {" Automatic:", nullptr, "Click Options > Check For App Update."},
        {" Manual:", AppInfo::kAppDownloadAddress, nullptr}}},
      {"Player Updates",
       {{" Player updates will give you new players, current player injury status and team roster changes.", nullptr,
         nullptr},
        {" Automatic:", nullptr, "Click Options > Check For Player Updates. (will also update projected stats)"},
        {" Manual:", AppInfo::kPlayerDataAddress, nullptr}}},
      {" Problems",
       {{" If you encounter any problems or issues please report them in the Forums or via contact form.", nullptr,
         nullptr},
        {" Contact link:", AppInfo::kContactAddress, nullptr},
        {" Forums link:", AppInfo::kForumsAddress, nullptr}}},
  };
  return groups;
}

// How many blanks a text starts with.
qsizetype LeadingBlanks(const QString& text) {
  qsizetype n = 0;
  while (n < text.size() && text[n] == QChar(' ')) ++n;
  return n;
}

constexpr int32_t kLeft = 24;
constexpr int32_t kBesideLeft = 130;
constexpr int32_t kLineHeight = 18;

}  // namespace

frmWelcome::frmWelcome(QWidget* parent) : frmPage(parent, kPageStart), lblHead_(new PlainLabel(this)) {
  setWindowTitle("Welcome");
  lblHead_->setFont(basFormLook::FormFont("Arial", true));
  lblHead_->setText(QString::fromStdString(std::string(AppInfo::kTitle) + " Version " + AppInfo::VersionText()));
  lblHead_->setGeometry(kLeft, 16, 600, 20);
  int32_t top = 48;
  int32_t link = 0;
  auto place = [this](const char* text, int32_t left, int32_t y, bool bold = false) {
    const QString shown = QString::fromLatin1(text);
    auto* label = new PlainLabel(shown, this);
    if (bold) label->setFont(basFormLook::FormFont("Arial", true));
    // The texts keep their leading blanks, but not all have one: each starts
    // its words at its column.
    label->move(left - QFontMetrics(label->font()).horizontalAdvance(shown.left(LeadingBlanks(shown))), y);
    label->adjustSize();
    return label;
  };
  for (const Group& group : Groups()) {
    place(group.heading, kLeft, top, true);
    top += kLineHeight + 2;
    for (const Line& line : group.lines) {
      place(line.text, kLeft + 12, top);
      if (line.beside != nullptr) place(line.beside, kBesideLeft, top);
      if (line.link != nullptr) {
        QLabel* label = new PlainLabel(QString::fromLatin1(line.link), this);
        label->setStyleSheet("QLabel { color: #0000ff; text-decoration: underline; }");
        new LabelLink(label, [this, link] { lblLink_Click(link); });
        // Inside its frame's room, the link starts where the texts beside
        // the other rows do.
        label->move(kBesideLeft - 1, top - 1);
        label->adjustSize();
        lblLink_[static_cast<std::size_t>(link++)] = label;
      }
      top += kLineHeight;
    }
    top += 10;
  }
}

void frmWelcome::showEvent(QShowEvent* event) {
  frmPage::showEvent(event);
  // The page opens with no link marked, as a web page does: the first Tab
  // reaches the first link, and a stray Return opens nothing.
  setFocus(Qt::OtherFocusReason);
}

void frmWelcome::lblLink_Click(int32_t index) {
  basMessage::OpenInViewer(lblLink_[static_cast<std::size_t>(index)]->text().toStdString());
}

}  // namespace shell_ui
