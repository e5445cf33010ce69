#include "update/station_search.h"

#include "settings/string_routines.h"
#include "update/roundup_layouts.h"

namespace {

bool holds(const QString& url, const QString& marker)
{
    return !marker.isEmpty() && url.contains(marker);
}

// Where a roundup page's search starts: at the state's zone-code prefix,
// its two letters (the two characters after the base in the URL) and "Z".
qsizetype zoneStart(const QString& page, const QString& slotUrl, const QString& roundupBase)
{
    const qsizetype base = roundupBase.isEmpty() ? -1 : slotUrl.indexOf(roundupBase);
    if (base < 0)
        return 0;
    const QString state = slotUrl.mid(base + roundupBase.size(), 2).toUpper();
    const qsizetype zone = page.indexOf(state + QLatin1Char('Z'));
    return zone < 0 ? 0 : zone;
}

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

// The Alaska table's name column is one wider than the state tables', so
// its rows pass the same test.
bool inRoundupNameColumn(const QString& page, qsizetype at, qsizetype length)
{
    qsizetype lineStart = at;
    while (lineStart > 0 && !isLineBreak(page[lineStart - 1]))
        --lineStart;
    const qsizetype skyColumn = lineStart + kRoundupNameWidth;
    if (at + length > skyColumn || skyColumn > page.size())
        return false;
    for (qsizetype i = lineStart; i < skyColumn; ++i) {
        const bool name = i >= at && i < at + length;
        if (!name && page[i] != QLatin1Char(' '))
            return false;
    }
    return true;
}

SearchMarkers programSearchMarkers()
{
    return {QStringLiteral("forecast.weather.gov/product.php?site=NWS&issuedby="), programSiteMarkers()};
}

StationSearch findStationLine(const QString& page, const QString& slotUrl, const QString& place,
                              const SearchMarkers& markers)
{
    StationSearch result;
    if (place.isEmpty())
        return result;
    const SiteMarkers& sites = markers.sites;
    const bool portal = isPortalPage(slotUrl, sites.portalHost, sites.portalFolder);
    const QString code = siteCodeFor(slotUrl, sites);
    const bool roundup = code == QLatin1String("NA") || code == QLatin1String("AK");
    bool stationAhead = holds(slotUrl, sites.decodedHourly); // a "Station" may still follow
    bool returnAhead = true;                                    // a carriage return may still follow

    // The text before `top` counts as dropped: skipped short lines, or a
    // decoded list's header up to the first letter of its "Station".
    qsizetype top = 0;
    qsizetype start = zoneStart(page, slotUrl, markers.roundupBase);
    for (;;) {
        qsizetype pos = page.indexOf(place, start, Qt::CaseInsensitive);
        if (pos < 0)
            return result;
        if (portal) {
            QString text = page;
            result.status = StationSearch::Found;
            result.position = static_cast<int>(pos) + 1;
            result.line = Strip_Tags(text);
            return result;
        }
        if (stationAhead) {
            const qsizetype station = page.indexOf(QLatin1String("Station"), top);
            if (station < 0)
                stationAhead = false;
            else
                top = station + 1;
            pos = page.indexOf(place, top, Qt::CaseInsensitive);
            if (pos < 0)
                return result;
        }
        const qsizetype placeAt = pos;
        if (pos > top && page[pos - 1] == QLatin1Char(' '))
            --pos;
        qsizetype end = returnAhead ? page.indexOf(QLatin1Char('\r'), pos) : -1;
        if (end < 0) {
            returnAhead = false;
            end = page.indexOf(QLatin1Char('\n'), pos);
        }
        if (end < 0) {
            result.status = StationSearch::NoLineEnd;
            return result;
        }
        if (roundup && !inRoundupNameColumn(page, placeAt, place.size())) {
            // Not the station's row: the search goes on at the next line.
            qsizetype next = placeAt;
            while (next < page.size() && !isLineBreak(page[next]))
                ++next;
            top = start = next + 1;
            continue;
        }
        const QString line = page.mid(pos, end - pos).toUpper();
        if (line.size() >= 27) {
            result.status = StationSearch::Found;
            result.position = static_cast<int>(pos) + 1;
            result.line = line;
            return result;
        }
        // A short line: everything up to its end is dropped and the search
        // starts again at the top of what is left.
        top = start = end + 1;
    }
}
