#pragma once
#include <QStringList>
#include <functional>
#include <initializer_list>

class QListWidget;

// Runs `chosen` each time a row of `list` is chosen: clicked (also the row
// that is chosen already), reached with the arrow keys, or made current by
// the program. Giving the list the keyboard focus chooses no row.
void onRowChosen(QListWidget* list, const std::function<void()>& chosen);

// The texts of the list's rows, top to bottom.
QStringList rowTexts(const QListWidget* list);

// Row work on lists that run side by side, row k of each belonging to one
// entry. None of these runs the lists' selection handlers: the caller runs
// its own click handler when the new selection should fill its boxes.

// Makes `row` the selected row (-1: none).
void selectListRow(QListWidget* list, int row);

// Removes `row` from every list.
void removeListRow(std::initializer_list<QListWidget*> lists, int row);

// Swaps the texts of two rows.
void swapListRows(QListWidget* list, int first, int second);
