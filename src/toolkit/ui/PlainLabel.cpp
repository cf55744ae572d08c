#include "toolkit/ui/PlainLabel.h"

#include <QTextDocument>

PlainLabel::PlainLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

PlainLabel::PlainLabel(const QString& text, QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setText(text);
}

QString PlainToolTip(const QString& text) {
  if (!Qt::mightBeRichText(text)) return text;
  return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}
