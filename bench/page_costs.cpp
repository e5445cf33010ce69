// Prints what cleaning text pages, searching a zone forecast and listing the
// buoy page cost, in milliseconds of wall-clock time (the best of a few runs):
// tag and numeric-reference removal on 10 MB of page text beside Strip_Tags on
// the same text, the zone-forecast search of a product whose place stands
// after 50,000 groups, a station's search in roundup pages of 1, 4 and 16 MB
// whose zone headings name it on every line, and the buoy list of a
// 320,000-line page none of whose IDs is built in; and the station's search
// in a page whose row runs on in "ß" for 16 KB and 2 MB.
// The text figures come first, while the memory is still unused: after the
// buoy list's many small pieces the same code runs measurably slower.

#include "buoy_report_page.h"
#include "pages/buoy_stations.h"
#include "pages/forecast_window.h"
#include "pages/page_text.h"
#include "settings/string_routines.h"
#include "update/station_search.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#if __has_include("pages/buoy_listing.h")
#include "pages/buoy_listing.h"

qsizetype buoyList(const QString& page, int count, const QStringList& names)
{
    BuoyListing listing(page, count, names);
    while (listing.advance()) {
    }
    return listing.entries().size();
}
#else
// Trees that list, sort and name the buoys with separate functions.
#include "pages/buoy_page.h"

qsizetype buoyList(const QString& page, int count, const QStringList& names)
{
    QStringList list = listedBuoys(page, count);
    sortEntries(list);
    nameBuoys(list, names);
    return list.size();
}
#endif

namespace {

constexpr int kBuoyLines = 320000;
constexpr qsizetype kPageText = 10 * 1000 * 1000;
// Enough groups cut at once that a search reading the rest of the product
// again for each group takes seconds.
constexpr int kCutGroups = 50000;

// A zone forecast product of groups that an "NNNN" cuts at once, then the
// sought place's group and the product's only "$$".
QString zoneProduct()
{
    return QStringLiteral("TXZNNNN").repeated(kCutGroups) + QStringLiteral("TXZ103-WACO-\r\n.TONIGHT...RAIN.\r\n$$");
}

// A Texas roundup page of about `bytes` characters whose lines, ended by
// line feeds, are zone headings that name DALLAS; its only carriage return
// ends the page.
QString headingsPage(qsizetype bytes)
{
    const QString line = QStringLiteral("  TXZ119 NEAR DALLAS AND VICINITY ...\n");
    return line.repeated(bytes / line.size()) + QLatin1Char('\r');
}

// A Texas roundup page whose DALLAS row runs on in "ß" for about `bytes`
// characters.
QString sharpSRowPage(qsizetype bytes)
{
    return QStringLiteral("TXZ119\nDALLAS         SUNNY     80  50  35 N5        30.00S ")
        + QString(bytes, QChar(u'\u00DF')) + QLatin1Char('\n');
}

QString pageText()
{
    const QString piece = QStringLiteral("<p><b>Moon</b>&#8217;s close to Venus tonight &#38; <i>low</i> in the west.</p>\n");
    return piece.repeated(kPageText / piece.size() + 1).left(kPageText);
}

// The best of up to five runs; a run slower than a second is not repeated.
double milliseconds(const std::function<void()>& run)
{
    double best = 0;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        const double taken = clock.nsecsElapsed() / 1e6;
        best = i == 0 ? taken : std::min(best, taken);
        if (taken > 1000)
            break;
    }
    return best;
}

void print(const char* figure, double ms)
{
    std::printf("%s\t%.1f\n", figure, ms);
    std::fflush(stdout);
}

} // namespace

int main()
{
    const QString text = pageText();
    print("tag removal, 10 MB (ms)", milliseconds([&] {
              QString copy = text;
              removeTags(copy);
          }));
    print("numeric-reference removal, 10 MB (ms)", milliseconds([&] {
              QString copy = text;
              removeNumericReferences(copy);
          }));
    print("Strip_Tags, 10 MB (ms)", milliseconds([&] {
              QString copy = text;
              Strip_Tags(copy);
          }));
    const QString product = zoneProduct();
    ZoneForecast zone;
    print("zone-forecast search, 50,000 groups (ms)",
          milliseconds([&] { zone = findZoneForecast(product, QStringLiteral("WACO"), QStringLiteral("TXZ")); }));
    if (zone.found != ZoneForecast::Found::Block)
        std::fprintf(stderr, "the zone-forecast search did not find the place\n");
    const QString roundupUrl = QStringLiteral("https://forecast.weather.gov/product.php?site=NWS&issuedby=TX&product=RWR");
    for (const int megabytes : {1, 4, 16}) {
        const QString headings = headingsPage(megabytes * 1000 * 1000);
        const std::string figure = "station search, " + std::to_string(megabytes) + " MB of zone headings (ms)";
        StationSearch found;
        print(figure.c_str(), milliseconds([&] {
                  found = findStationLine(headings, roundupUrl, QStringLiteral("DALLAS"), programSearchMarkers());
              }));
        if (found.status == StationSearch::Found)
            std::fprintf(stderr, "the station search took a zone heading for the station's row\n");
    }
    for (const int kilobytes : {16, 2000}) {
        const QString page = sharpSRowPage(kilobytes * 1000);
        const std::string figure = "station search, a row running on in sharp s for " + std::to_string(kilobytes)
            + " KB (ms)";
        StationSearch found;
        print(figure.c_str(), milliseconds([&] {
                  found = findStationLine(page, roundupUrl, QStringLiteral("DALLAS"), programSearchMarkers());
              }));
        if (found.status != StationSearch::Found)
            std::fprintf(stderr, "the station search did not find the row that runs on\n");
    }
    const QString page = buoyReportPage(kBuoyLines);
    const QStringList& names = builtInBuoyNames();
    qsizetype listed = 0;
    print("buoy list, 320,000 lines (ms)", milliseconds([&] { listed = buoyList(page, kBuoyLines, names); }));
    if (listed != kBuoyLines)
        std::fprintf(stderr, "the buoy list holds %lld entries, not %d\n", static_cast<long long>(listed), kBuoyLines);
    return 0;
}
