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
