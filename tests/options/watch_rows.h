#pragma once
#include <QListWidget>
#include <QStringList>

// The watch list's rows as texts, a checked row (log it) marked " [x]".
inline QStringList watchRows(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? " [x]" : "");
    return texts;
}
