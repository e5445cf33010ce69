#include "update/station_search.h"

#include "pages/page_text.h"
#include "settings/string_routines.h"
#include "update/roundup_layouts.h"

#include <optional>

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

// The start of the line that holds `at`, when `at` lies in that line's name
// column; -1 when it lies further on. Only the name column is looked
// back over, so a long line costs no more than a short one.
qsizetype nameColumnLineStart(const QString& page, qsizetype at)
{
    qsizetype lineStart = at;
    while (lineStart > 0 && !isLineBreak(page[lineStart - 1])) {
        if (at - lineStart == kRoundupNameWidth)
            return -1;
        --lineStart;
    }
    return lineStart;
}

enum class NameMatch {
    None,       // not a row's name
    Alone,      // the row's name is the place
    LongerName, // the row's name ends with the place, after a blank
};

// How the place found at `at` stands in the name column of the row that
// begins at `lineStart`: only blanks follow it up to the sky column, and
// before it stand only blanks, or a longer name that it ends. A longer
// name leaves the column's last character blank, as the table's names do:
// a heading's words run on into the sky column ("SEATTLE, TACOMA, ...").
NameMatch nameMatch(const QString& page, qsizetype lineStart, qsizetype at, qsizetype length)
{
    const qsizetype skyColumn = lineStart + kRoundupNameWidth;
    if (at + length > skyColumn || skyColumn > page.size())
        return NameMatch::None;
    for (qsizetype i = at + length; i < skyColumn; ++i) {
        if (page[i] != QLatin1Char(' '))
            return NameMatch::None;
    }
    for (qsizetype i = lineStart; i < at; ++i) {
        if (page[i] != QLatin1Char(' '))
            return page[at - 1] == QLatin1Char(' ') && at + length < skyColumn ? NameMatch::LongerName
                                                                               : NameMatch::None;
    }
    return NameMatch::Alone;
}

} // namespace

qsizetype lineEnd(const QString& page, qsizetype from)
{
    for (qsizetype i = from; i < page.size(); ++i) {
        if (isLineBreak(page[i]))
            return i;
    }
    return -1;
}

// The Alaska table's name column is one wider than the state tables', so
// its rows pass the same test.
RoundupRow nextRoundupRow(const QString& page, const QString& place, qsizetype from, bool longerNames,
                          Qt::CaseSensitivity cs)
{
    qsizetype at = from < 0 ? -1 : page.indexOf(place, from, cs);
    while (at >= 0) {
        const qsizetype lineStart = nameColumnLineStart(page, at);
        if (lineStart >= 0) {
            const NameMatch match = nameMatch(page, lineStart, at, place.size());
            if (match == NameMatch::Alone || (longerNames && match == NameMatch::LongerName))
                return {lineStart, match == NameMatch::LongerName};
            // A place further on in the name column may still end it.
            at = page.indexOf(place, at + 1, cs);
        } else {
            // Past the name column: the next line.
            const qsizetype end = lineEnd(page, at);
            at = end < 0 ? -1 : page.indexOf(place, end + 1, cs);
        }
    }
    return {};
}

SearchMarkers programSearchMarkers()
{
    return {QStringLiteral("forecast.weather.gov/product.php?site=NWS&issuedby="), programSiteMarkers()};
}

namespace {

// One search of the page, letters compared as `cs` says.
StationSearch searchPage(const QString& page, const QString& slotUrl, const QString& place,
                         const SearchMarkers& markers, Qt::CaseSensitivity cs)
{
    StationSearch result;
    if (place.isEmpty())
        return result;
    const SiteMarkers& sites = markers.sites;
    const bool portal = isPortalPage(slotUrl, sites.portalHost, sites.portalFolder);
    const QString code = siteCodeFor(slotUrl, sites);
    const bool roundup = code == QLatin1String("NA") || code == QLatin1String("AK");
    bool stationAhead = holds(slotUrl, sites.decodedHourly); // a "Station" may still follow
    // In a roundup table, the first row whose longer name ends with the
    // place: taken when no row holds the place alone.
    std::optional<StationSearch> longerName;

    // The text before `top` counts as dropped: skipped short lines, or a
    // decoded list's header up to the first letter of its "Station".
    qsizetype top = 0;
    qsizetype start = zoneStart(page, slotUrl, markers.roundupBase);
    for (;;) {
        // Where the place stands; a roundup row is taken from its first column.
        qsizetype pos = -1;
        bool endsLongerName = false;
        if (roundup) {
            const RoundupRow row = nextRoundupRow(page, place, start, !longerName, cs);
            pos = row.lineStart;
            endsLongerName = row.longerName;
        } else {
            pos = page.indexOf(place, start, cs);
        }
        if (pos < 0)
            return longerName.value_or(result);
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
            pos = page.indexOf(place, top, cs);
            if (pos < 0)
                return result;
        }
        const qsizetype end = lineEnd(page, pos);
        if (pos > top && page[pos - 1] == QLatin1Char(' '))
            --pos;
        if (end < 0) {
            result.status = StationSearch::NoLineEnd;
            return longerName.value_or(result);
        }
        const QString line = upperCopy(page.mid(pos, end - pos));
        // A short line is a heading or an index line: everything up to its
        // end is dropped and the search starts again after it.
        top = start = end + 1;
        if (line.size() < 27)
            continue;
        const StationSearch found{StationSearch::Found, static_cast<int>(pos) + 1, line, endsLongerName};
        if (!endsLongerName)
            return found;
        longerName = found;
    }
}

} // namespace

StationSearch findStationLine(const QString& page, const QString& slotUrl, const QString& place,
                              const SearchMarkers& markers)
{
    const StationSearch asSpelled = searchPage(page, slotUrl, place, markers, Qt::CaseSensitive);
    if (asSpelled.status != StationSearch::Missing)
        return asSpelled;
    return searchPage(page, slotUrl, place, markers, Qt::CaseInsensitive);
}
