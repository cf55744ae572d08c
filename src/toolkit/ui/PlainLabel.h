#pragma once
// Labels and tool tips that show their text exactly as given.
//
// Names, addresses and texts read from files, databases, the settings or a
// download reach the labels of every window. Left to guess, Qt takes a text
// that starts with a tag for markup, and an <img> tag makes the label read
// the named local file (a device or a pipe never ends). No label of ours
// carries markup, so every label is a PlainLabel; a link is a plain label
// that opens its address on a click.

#include <QLabel>
#include <QString>

class PlainLabel : public QLabel {
 public:
  explicit PlainLabel(QWidget* parent = nullptr);
  // The format is set before the text, so the text is never parsed.
  explicit PlainLabel(const QString& text, QWidget* parent = nullptr);
};

// A tool tip has no text format of its own: a tip that looks like markup is
// shown as rich text. Such a text is escaped and wrapped so that it shows as
// written; any other text is returned unchanged.
QString PlainToolTip(const QString& text);
