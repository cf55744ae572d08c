// Text from files shows as written in labels and tool tips: a tag is never
// taken for markup (an <img> tag would make Qt read the named file).

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextDocument>
#include <QToolTip>

#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/PlainLabel.h"

namespace {

// What a person reads in a tip: rich text as its document shows it.
QString ReadTip(const QString& tip) {
  if (!Qt::mightBeRichText(tip)) return tip;
  QTextDocument document;
  document.setHtml(tip);
  return document.toPlainText();
}

TEST(PlainText, LabelsAndToolTipsShowTextThatLooksLikeMarkupAsWritten) {
  for (const char* text : {"<img src=%2Fdev%2Fzero>", "<b>bold</b> & more", "Next season", "a < b"}) {
    SCOPED_TRACE(text);
    PlainLabel label(QString::fromUtf8(text));
    label.show();
    label.grab();
    EXPECT_EQ(label.text(), QString::fromUtf8(text));

    PictureBox box;
    box.SetToolTipText(text);
    EXPECT_EQ(ReadTip(box.toolTip()), QString::fromUtf8(text));
    EXPECT_EQ(box.toolTip().contains(QStringLiteral("<img")), false);
    box.show();
    QToolTip::showText(box.mapToGlobal(QPoint(1, 1)), box.toolTip(), &box);
    QToolTip::hideText();
  }
}

}  // namespace
