#include <gtest/gtest.h>

#include <QTextDocument>

#include "toolkit/ui/PictureBox.h"

// A tool tip that looks like markup reads as written: as markup, an <img>
// tag would make Qt read the named file.
TEST(PlainText, ToolTipsShowTextThatLooksLikeMarkupAsWritten) {
  for (const char* text : {"<img src=%2Fdev%2Fzero>", "Next season", "a < b & c"}) {
    PictureBox box;
    box.SetToolTipText(text);
    QTextDocument shown;
    if (Qt::mightBeRichText(box.toolTip()))
      shown.setHtml(box.toolTip());
    else
      shown.setPlainText(box.toolTip());
    EXPECT_EQ(shown.toPlainText().toStdString(), text);
  }
}
