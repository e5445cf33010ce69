#pragma once
#include <QString>

class QLabel;
class QWidget;

// Text from outside the program (a page, a server, a data file, the user's
// lists) is shown as it stands, tags and all. Left to itself, Qt takes a text
// that looks like markup for rich text and draws it: other fonts and colours,
// pictures of any size, even files read from the disk.

// A new label that shows its text as plain text.
QLabel* plainLabel(QWidget* parent, const QString& text = QString());

// The tool tip that shows `text` as it stands. A tip has no text format of its
// own: a text that Qt would take for rich text comes back escaped, inside a
// paragraph that keeps its blanks and line breaks; any other as it is.
QString plainToolTip(const QString& text);
