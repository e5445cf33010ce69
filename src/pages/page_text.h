#pragma once
#include <QChar>
#include <QString>

// Cleaning of fetched pages before an article is cut out of them.

// Removes every tag (a "<" up to the first ">" after it). False when a "<"
// has no ">" after it: the page cannot be read then.
bool removeTags(QString& page);

// Removes every numeric character reference ("&#" up to the first ";" after
// it), also those that a removal brings together. False when an "&#" has no
// ";" after it.
bool removeNumericReferences(QString& page);

// Every "&nbsp;" becomes a paragraph mark: two line feeds and five blanks.
void expandNonBreakingSpaces(QString& page);

// A run of n line feeds becomes n - 1 blanks and one line feed.
void collapseLineFeedRuns(QString& page);

// An upper-case copy of a text, character for character, so that a position
// found in the copy is the same position in the text.
QString upperCopy(const QString& text);

// The text with every `lineBreak` character written as carriage return and
// line feed, every other character unchanged.
QString withLineBreaks(const QString& text, QChar lineBreak);

// The text with its line breaks as a text box takes them: CR LF, CR CR LF
// (one break) and a lone CR each become one line feed.
QString plainLines(QString text);
