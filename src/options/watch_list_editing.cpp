// Building the watch list on the "City Selection" tab: adding cities and
// alternate places, moving and deleting entries.
#include "options/options_dialog.h"

#include "options/list_rows.h"
#include "options/watch_list.h"
#include "platform/user_dialogs.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

#include <QListWidget>
#include <QPushButton>

namespace {

QString highlightedText(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text() : QString();
}

// Adds those of the entries that are not listed yet while the list has
// room, and says so when it is full; an entry that the settings file could
// not keep is left out, and the user is told why. True when an entry was
// added.
bool addToWatchList(QListWidget* watchList, const QStringList& entries)
{
    const WatchAdditions additions = watchAdditions(rowTexts(watchList), savableWatchEntries(entries));
    for (const QString& entry : additions.added)
        addWatchEntry(watchList, entry, false);
    if (additions.full)
        MsgBox(QStringLiteral("You can only watch %1 Cities.").arg(kKeptWatchEntries), MsgButtons::Ok,
               MsgIcon::Exclamation);
    return !additions.added.isEmpty();
}

// The entries of every place of a picker list, in the highlighted state.
QStringList entriesOfAll(const QListWidget* states, const QListWidget* places, bool alternate)
{
    QStringList entries;
    for (const QString& place : rowTexts(places))
        entries << watchEntry(highlightedText(states), place, alternate);
    return entries;
}

void removeAndRehighlight(QListWidget* watchList, int k)
{
    delete watchList->takeItem(k);
    watchList->setCurrentRow(highlightAfterRemoval(rowTexts(watchList), k));
}

} // namespace

void Form2::connectWatchListEditing()
{
    onRowChosen(List2, [this] { List2_Click(); });
    onRowChosen(List7, [this] { List7_Click(); });
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command10, &QPushButton::clicked, this, &Form2::Command10_Click);
    for (int i = 0; i < 2; ++i)
        connect(Command3[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
    List3->viewport()->installEventFilter(this);
}

void Form2::watchListChanged()
{
    Command1[4]->setEnabled(false);
}

void Form2::List2_Click()
{
    if (!List2->currentItem())
        return;
    if (addToWatchList(List3, {watchEntry(highlightedText(List1), List2->currentItem()->text(), false)}))
        watchListChanged();
}

void Form2::List7_Click()
{
    if (!List7->currentItem())
        return;
    watchListChanged();
    addToWatchList(List3, {watchEntry(highlightedText(List1), List7->currentItem()->text(), true)});
}

void Form2::Command2_Click()
{
    watchListChanged();
    addToWatchList(List3, entriesOfAll(List1, List2, false));
}

void Form2::Command10_Click()
{
    watchListChanged();
    addToWatchList(List3, entriesOfAll(List1, List7, true));
}

void Form2::Command3_Click(int Index)
{
    watchListChanged();
    const int k = List3->currentRow();
    const int other = moveTarget(k, List3->count(), Index);
    if (other < 0)
        return;
    swapListRows(List3, k, other); // each row keeps its log mark
    List3->setCurrentRow(other);
}

void Form2::deleteHighlighted()
{
    const int k = List3->currentRow();
    if (k < 0)
        return;
    watchListChanged();
    removeAndRehighlight(List3, k);
}

void Form2::List3_MouseUp(Qt::MouseButton Button)
{
    if (List3->currentRow() < 0 || Button != Qt::RightButton)
        return;
    if (MsgBox(QStringLiteral("Delete Entry?"), MsgButtons::OkCancel, MsgIcon::None,
               QStringLiteral("City - Town Delete")) == MsgResult::Cancel)
        return;
    deleteHighlighted();
}
