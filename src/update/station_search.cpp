#include "update/station_search.h"

#include "settings/string_routines.h"

StationSearch findStationLine(const QString& page, const QString& slotUrl, const QString& place,
                              const SearchMarkers& markers)
{
    StationSearch result;
    if (place.isEmpty())
        return result;
    QString text = page;
    qsizetype start = 0;
    // Roundup pages are searched from the state's zone codes on ("TXZ").
    if (!markers.roundupBase.isEmpty() && slotUrl.contains(markers.roundupBase) && slotUrl.size() >= 32) {
        const qsizetype zone = text.indexOf(slotUrl.mid(30, 2).toUpper() + QLatin1Char('Z'));
        start = zone < 0 ? 0 : zone;
    }
    for (;;) {
        qsizetype pos = text.indexOf(place, start);
        if (pos < 0)
            return result;
        if (!markers.portalHost.isEmpty() && slotUrl.contains(markers.portalHost)) {
            result.status = StationSearch::Found;
            result.position = static_cast<int>(pos) + 1;
            result.line = Strip_Tags(text);
            return result;
        }
        if (!markers.decodedHourly.isEmpty() && slotUrl.contains(markers.decodedHourly)) {
            const qsizetype station = text.indexOf(QLatin1String("Station"));
            if (station >= 0)
                text.remove(0, station + 1);
            pos = text.indexOf(place);
            if (pos < 0)
                return result;
        }
        if (pos > 0 && text[pos - 1] == QLatin1Char(' '))
            --pos;
        qsizetype end = text.indexOf(QLatin1Char('\r'), pos);
        if (end < 0)
            end = text.indexOf(QLatin1Char('\n'), pos);
        if (end < 0) {
            result.status = StationSearch::NoLineEnd;
            return result;
        }
        const QString line = text.mid(pos, end - pos).toUpper();
        if (line.size() >= 27) {
            result.status = StationSearch::Found;
            result.position = static_cast<int>(pos) + 1;
            result.line = line;
            return result;
        }
        // A short line: drop everything up to its end and search again from the top.
        text.remove(0, end + 1);
        start = 0;
    }
}
