#include "update/station_search.h"

#include "settings/string_routines.h"
#include "update/site_code.h"

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

} // namespace

SearchMarkers programSearchMarkers()
{
    const SiteMarkers sites = programSiteMarkers();
    return {QStringLiteral("forecast.weather.gov/product.php?site=NWS&issuedby="), sites.portalHost,
            sites.decodedHourly, sites.portalFolder};
}

StationSearch findStationLine(const QString& page, const QString& slotUrl, const QString& place,
                              const SearchMarkers& markers)
{
    StationSearch result;
    if (place.isEmpty())
        return result;
    const bool portal = isPortalPage(slotUrl, markers.portalHost, markers.portalFolder);
    bool stationAhead = holds(slotUrl, markers.decodedHourly); // a "Station" may still follow
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
