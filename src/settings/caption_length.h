#pragma once
#include <QString>

// The most characters that a watch entry, a station caption or a row label
// holds. The longest real entry is well under 100 characters; a label given
// megabytes of text would stall the window while it lays them out.
inline constexpr qsizetype kLongestCaption = 256;

// The text cut to kLongestCaption characters; a character that takes two
// UTF-16 units is never cut in half.
QString cutToCaption(const QString& text);
