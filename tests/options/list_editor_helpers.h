#pragma once
#include <QAction>
#include <QListWidget>
#include <QStringList>
#include <span>

// The texts of a list's rows.
inline QStringList rowTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Menu items as the user sees them: a shown item's caption, "-" for a hidden
// one with the free caption, "hidden " and the caption for any other.
inline QStringList menuItems(std::span<QAction* const> items, const QString& free)
{
    QStringList seen;
    for (const QAction* item : items)
        seen << (item->isVisible() ? item->text() : item->text() == free ? "-" : "hidden " + item->text());
    return seen;
}
