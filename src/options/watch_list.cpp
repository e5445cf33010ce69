#include "options/watch_list.h"

#include "settings/caption_length.h"
#include "settings/settings_file.h"

QString watchEntry(const QString& state, const QString& place, bool alternate)
{
    return cutToCaption((alternate ? QStringLiteral("*") : QString()) + state + QStringLiteral(" - ") + place);
}

WatchAdditions watchAdditions(const QStringList& rows, const QStringList& candidates)
{
    WatchAdditions result;
    QStringList listed = rows;
    for (const QString& entry : candidates) {
        if (listed.contains(entry))
            continue;
        if (listed.size() >= kKeptWatchEntries) {
            result.full = true;
            break;
        }
        listed << entry;
        result.added << entry;
    }
    return result;
}

int moveTarget(int k, int rows, int direction)
{
    if (k < 0 || k >= rows)
        return -1;
    if (direction == 0)
        return k > 0 ? k - 1 : -1;
    if (direction == 1)
        return k < rows - 1 ? k + 1 : -1;
    return -1;
}

int highlightAfterRemoval(const QStringList& rows, int k)
{
    if (rows.isEmpty())
        return -1;
    if (k >= 0 && k < rows.size() && !rows[k].isEmpty())
        return k;
    if (k - 1 >= 0 && k - 1 < rows.size() && !rows[k - 1].isEmpty())
        return k - 1;
    return 0;
}
