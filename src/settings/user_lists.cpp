#include "settings/user_lists.h"

#include "platform/list_safe_text.h"
#include "platform/menu_captions.h"
#include "platform/program_folder.h"
#include "platform/text_files.h"
#include "settings/program_state.h"

#include <QAction>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace {

// Opens a list file and checks its first value against the header (case
// counts). Nothing when the file is missing, unreadable or not a list of
// this kind.
std::optional<CommaInput> openList(const QString& path, const QString& header)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    auto input = CommaInput::open(path);
    if (!input)
        return std::nullopt;
    const auto first = input->next();
    if (!first || *first != header)
        return std::nullopt;
    return input;
}

const QString kEnd = QStringLiteral("[END]");

} // namespace

QString localRadarFile()
{
    return fileInFolderAnyCase(programFolder(), QStringLiteral("LocalRadar.cvd"));
}

QString webSitesFile()
{
    return fileInFolderAnyCase(programFolder(), QStringLiteral("WebSites.cvd"));
}

ListItemUpdates readLocalRadar(const QString& path, ListTable& radarList)
{
    radarList = ListTable{};
    ListItemUpdates updates{};
    auto input = openList(path, QStringLiteral("[LOCAL RADAR]"));
    if (!input)
        return updates;

    for (int i = 0; i < ListEntryLimit; ++i) {
        const auto name = input->next();
        if (!name || *name == kEnd)
            break;
        const auto argument = input->next();
        const auto kind = input->next();
        // A file cut short inside an entry: the incomplete entry is not used.
        if (!argument || !kind)
            break;
        // An entry without a name keeps its place: the next entry goes to
        // the next item.
        if (name->isEmpty())
            continue;
        updates[i].captionSet = true;
        updates[i].caption = name->left(ListNameLimit);
        if (argument->isEmpty())
            break;
        radarList[i][0] = *argument;
        if (kind->isEmpty())
            break;
        radarList[i][1] = *kind;
        updates[i].shown = true;
    }
    return updates;
}

ListItemUpdates readWebSites(const QString& path, ListTable& webSiteList)
{
    ListItemUpdates updates{};
    auto input = openList(path, QStringLiteral("[WEB SITES]"));
    if (!input)
        return updates;

    for (int i = 0; i < ListEntryLimit; ++i) {
        const auto name = input->next();
        if (!name || *name == kEnd)
            break;
        const auto url = input->next();
        if (!url)
            break;
        if (name->isEmpty())
            continue;
        const QString shown = name->left(ListNameLimit);
        updates[i].captionSet = true;
        updates[i].caption = shown;
        webSiteList[i][0] = shown;
        if (url->isEmpty())
            break;
        webSiteList[i][1] = *url;
        updates[i].shown = true;
    }
    return updates;
}

bool writeLocalRadar(const QString& path, const std::vector<RadarEntry>& entries, QString* error)
{
    QStringList lines{QStringLiteral("[LOCAL RADAR]")};
    for (const RadarEntry& entry : entries)
        lines << entry.name << entry.argument << entry.kind;
    lines << kEnd;
    return writeLinesSafely(path, lines, error);
}

bool writeWebSites(const QString& path, const std::vector<WebSiteEntry>& sites, QString* error)
{
    QStringList lines{QStringLiteral("[WEB SITES]")};
    for (const WebSiteEntry& site : sites)
        lines << site.name << site.url;
    lines << kEnd;
    return writeLinesSafely(path, lines, error);
}

QString listEntryRefusal(const QString& name, const QString& value)
{
    if (name.trimmed().isEmpty() || value.isEmpty())
        return QStringLiteral("You must enter some information.");
    if (name == kEnd)
        return QStringLiteral("\"%1\" cannot be a name: it marks the end of the list.").arg(kEnd);
    if (const QString refusal = listSeparatorRefusal(QStringLiteral("The name"), name); !refusal.isEmpty())
        return refusal;
    if (const QString refusal = listSeparatorRefusal(QStringLiteral("The address"), value); !refusal.isEmpty())
        return refusal + QStringLiteral(" In an address, write them as %2C and %22.");
    return QString();
}

void applyListItemUpdates(const ListItemUpdates& updates, std::span<QAction* const> items)
{
    const std::size_t count = std::min<std::size_t>(items.size(), updates.size());
    for (std::size_t i = 0; i < count; ++i) {
        QAction* item = items[i];
        if (!item)
            continue;
        if (updates[i].captionSet)
            setPlainCaption(item, updates[i].caption);
        if (updates[i].shown) {
            item->setVisible(true);
            item->setEnabled(true);
        }
    }
}

void Load_LocalRadar(std::span<QAction* const> items)
{
    applyListItemUpdates(readLocalRadar(localRadarFile(), program().RadarList), items);
}

void Load_WebSites(std::span<QAction* const> items)
{
    applyListItemUpdates(readWebSites(webSitesFile(), program().WebSiteList), items);
}
