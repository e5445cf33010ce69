#pragma once
#include "options/list_rows.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QStringList>
#include <span>

// The caption that a menu shows for the item (its name for the
// accessibility tools): "&" marks the access key, "&&" shows one "&".
inline QString shownCaption(QAction* item)
{
    for (QObject* holder : item->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder))
            return QAccessible::queryAccessibleInterface(menu)
                ->child(static_cast<int>(menu->actions().indexOf(item)))
                ->text(QAccessible::Name);
    }
    return "not in a menu: " + item->text();
}

// Menu items as the user sees them: a shown item's caption, "-" for a hidden
// one with the free caption, "hidden " and the caption for any other.
inline QStringList menuItems(std::span<QAction* const> items, const QString& free)
{
    QStringList seen;
    for (QAction* item : items)
        seen << (item->isVisible() ? shownCaption(item) : item->text() == free ? "-" : "hidden " + shownCaption(item));
    return seen;
}
