#pragma once

class QLineEdit;
class QString;

// Text that goes into the program's comma-separated files may not hold a comma
// or a double quote: reading the file back would split the value there. The
// box drops both characters from whatever the user types or pastes; text set
// by the program itself is left alone.
void dropListSeparators(QLineEdit* box);

// True when the text holds neither a comma nor a double quote.
bool isListSafe(const QString& text);

// Why a text that holds a comma or a double quote cannot be kept, `what`
// naming it for the user ("The name"); the empty text when it can.
QString listSeparatorRefusal(const QString& what, const QString& text);
