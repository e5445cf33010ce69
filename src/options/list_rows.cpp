#include "options/list_rows.h"

#include <QListWidget>
#include <QSignalBlocker>

void selectListRow(QListWidget* list, int row)
{
    const QSignalBlocker quiet(list);
    list->setCurrentRow(row);
}

void removeListRow(std::initializer_list<QListWidget*> lists, int row)
{
    for (QListWidget* list : lists) {
        const QSignalBlocker quiet(list);
        delete list->takeItem(row);
    }
}

void swapListRows(QListWidget* list, int first, int second)
{
    QListWidgetItem* a = list->item(first);
    QListWidgetItem* b = list->item(second);
    if (!a || !b)
        return;
    const QSignalBlocker quiet(list);
    const QString text = a->text();
    a->setText(b->text());
    b->setText(text);
}
