#pragma once
#include <QString>
#include <QStringList>

// The watch list's rules over plain rows; the options dialog applies them
// to its list.

// A watch-list entry: the state, " - " and the place; a place from the
// alternate list is marked with a leading "*". It is cut to
// kLongestCaption characters.
QString watchEntry(const QString& state, const QString& place, bool alternate);

// What adding `candidates`, in their order, to a watch list that holds
// `rows` adds: each entry not listed yet (letter case counts), as long as
// the list holds fewer than the entries a save keeps (kKeptWatchEntries).
// `full` when an entry was left out because the list was full.
struct WatchAdditions {
    QStringList added;
    bool full = false;
};
WatchAdditions watchAdditions(const QStringList& rows, const QStringList& candidates);

// The row that the highlighted row k changes places with when moved up
// (direction 0) or down (1); -1 when nothing moves (no row highlighted, the
// top row up, the last row down, any other direction).
int moveTarget(int k, int rows, int direction);

// The row to highlight after row k was removed from a list that now holds
// `rows`: row k when it exists and has text, else row k - 1 when it has
// text, else row 0; -1 when the list is empty.
int highlightAfterRemoval(const QStringList& rows, int k);
