#include "settings/station_urls.h"

#include "mainwindow/forms.h"
#include "options/list_rows.h"
#include "options/options_dialog.h"
#include "settings/program_state.h"
#include "update/site_code.h"

#include <QListWidget>
#include <algorithm>

QString urlSafePlace(const QString& place)
{
    QString safe = place;
    safe.replace(QLatin1Char(' '), QLatin1Char('_'));
    safe.replace(QLatin1Char('-'), QLatin1Char('_'));
    safe.remove(QLatin1Char('\''));
    const qsizetype stop = safe.indexOf(QLatin1Char('.'));
    if (stop >= 0)
        safe.remove(stop, 1);
    return safe;
}

namespace {

// A portal place page: the place goes where the template has "@", and
// Celsius pages end in "_c." instead of "_f.".
QString completeAlternateTemplate(QString url, const QString& place, bool fahrenheit)
{
    const qsizetype at = url.indexOf(QLatin1Char('@'));
    if (at >= 0)
        url.replace(at, 1, urlSafePlace(place));
    if (!fahrenheit) {
        const qsizetype unit = url.indexOf(QLatin1String("_f."));
        if (unit >= 0)
            url.replace(unit, 3, QStringLiteral("_c."));
    }
    return url;
}

// A portal city page from a state URL ending in the two-letter state code.
QString completeStateUrl(const QString& url, const QString& place, bool fahrenheit)
{
    const QString code = url.right(2);
    return url.left(url.size() - 2) + urlSafePlace(place) + QLatin1Char('_') + code
        + (fahrenheit ? QStringLiteral("_f.html") : QStringLiteral("_c.html"));
}

} // namespace

SlotUrls buildSlotUrls(const QStringList& watchList, const QStringList& states, const QStringList& stateUrls,
                       const QStringList& alternates, bool fahrenheit, const SiteMarkers& markers)
{
    SlotUrls built;
    const qsizetype count = std::min<qsizetype>(watchList.size(), 10);
    for (qsizetype i = 0; i < count; ++i) {
        const QString& entry = watchList[i];
        const qsizetype p = entry.indexOf(QLatin1String(" -"));
        if (p < 0)
            continue;
        const QString state = entry.left(p);
        const QString place = entry.mid(p + 3);
        const bool alternate = state.startsWith(QLatin1Char('*'));
        const QStringList& names = alternate ? alternates : states;
        for (qsizetype j = 0; j < names.size(); ++j) {
            if (names[j] != state)
                continue;
            QString url = alternate ? alternates.value(j + 1) : stateUrls.value(j);
            if (url.isEmpty())
                continue; // a table row without its URL gives no page to fetch
            if (alternate)
                url.prepend(markers.portalFolder);
            built.url[i] = url;
            built.on[i] = true;
            if (isPortalPage(url, markers.portalHost, markers.portalFolder)) {
                built.url[i] = alternate ? completeAlternateTemplate(url, place, fahrenheit)
                                         : completeStateUrl(url, place, fahrenheit);
                break;
            }
        }
    }
    return built;
}

void Build_URLs(bool celsius)
{
    Form2& options = form2();
    const SlotUrls built = buildSlotUrls(rowTexts(options.List3), rowTexts(options.List1), options.List5,
                                         options.List8, !celsius, programSiteMarkers());
    program().SlotURL = built.url;
    program().SlotOn = built.on;
}
