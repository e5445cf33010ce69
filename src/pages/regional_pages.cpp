#include "pages/regional_pages.h"

#include "pages/page_fetch.h"
#include "pages/page_text.h"
#include "settings/string_routines.h"
#include "update/site_code.h"

std::optional<QString> regionalFolder(const QString& slotUrl)
{
    if (slotUrl.startsWith(hawaiiListPrefix()))
        return std::nullopt;
    const qsizetype slash = slotUrl.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return std::nullopt;
    const QString folder = slotUrl.left(slash + 1);
    if (folder.endsWith(QLatin1String("//"))) // "https://" and no path at all
        return std::nullopt;
    return folder;
}

QString zoneCode(const QString& folder)
{
    return folder.mid(folder.size() - 3, 2).toUpper() + QLatin1Char('Z');
}

std::optional<QString> fetchStatePage(const QString& url)
{
    std::optional<QString> page = fetchPage(url);
    if (!page)
        return std::nullopt;
    const QString upper = upperCopy(*page);
    if (upper.contains(QLatin1String("NOT FOUND")) || upper.contains(QLatin1String("MAPPING SERVER ERROR")))
        return std::nullopt;
    return page;
}

QString bulletinText(QString page)
{
    return Mask_Bulletin(page).remove(QChar(1));
}
