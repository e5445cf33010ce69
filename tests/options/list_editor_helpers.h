#pragma once
#include "options/list_rows.h"

#include <QAction>
#include <QStringList>
#include <span>

// Menu items as the user sees them: a shown item's caption, "-" for a hidden
// one with the free caption, "hidden " and the caption for any other.
inline QStringList menuItems(std::span<QAction* const> items, const QString& free)
{
    QStringList seen;
    for (const QAction* item : items)
        seen << (item->isVisible() ? item->text() : item->text() == free ? "-" : "hidden " + item->text());
    return seen;
}
