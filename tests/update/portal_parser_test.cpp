#include "report_lines.h"

#include <gtest/gtest.h>

namespace {

// A portal city page as the station search hands it over: the whole page
// with its tags removed.
const QString kPage = "Weather in Toledo, Ohio\n"
                      "Today 3:51 pm EST Light Rain Hi&nbsp;52&deg;F Lo 41\n"
                      "Now 48&deg;F Feels like 44\n"
                      "Humidity: 81% Wind: NW / 12 mph&nbsp; Dewpoint: 42&deg;F Pressure 30.02\n";

ReportRequest portalRequest(const QString& page, bool keepLast = false)
{
    ReportRequest request;
    request.siteCode = "UA";
    request.line = page;
    request.pageText = "<html>" + page + "</html>";
    request.place = "Toledo";
    request.position = 20;
    request.keepLast = keepLast;
    return request;
}

} // namespace

TEST(PortalPage, ReadsTheMarkedReadings)
{
    StationRow before;
    before.remarks = "OLD";
    const StationRow row = parsed(portalRequest(kPage), before);
    EXPECT_EQ(row.condition, "RAIN"); // of two words only the second
    EXPECT_EQ(row.temperature, "52");
    EXPECT_EQ(row.humidity, " 81"); // as the page spaces it
    EXPECT_EQ(row.wind, "NW12mph");
    EXPECT_EQ(row.dewpoint, " 42");
    EXPECT_EQ(row.pressure, "NR");
    EXPECT_EQ(row.remarks, "");
    EXPECT_EQ(row.uv, "NA");
}

TEST(PortalPage, UnitsAreNotConverted)
{
    EXPECT_EQ(parsed([] {
                  ReportRequest r = portalRequest(kPage);
                  r.metric = true;
                  return r;
              }()),
              parsed(portalRequest(kPage)));
}

TEST(PortalPage, DigitsAndPunctuationInTheConditionBecomeBlanks)
{
    QString page = kPage;
    page.replace("Light Rain", "T-storms/2");
    EXPECT_EQ(parsed(portalRequest(page)).condition, "STORMS");
    page = kPage;
    page.replace("Light Rain", "Sunny");
    EXPECT_EQ(parsed(portalRequest(page)).condition, "SUNNY");
    // Each character is upper-cased on its own: "ß" is no letter A to Z.
    page = kPage;
    page.replace("Light Rain", "Rain ß");
    EXPECT_EQ(parsed(portalRequest(page)).condition, "RAIN");
}

TEST(PortalPage, OtherTimeZoneWordsAndTheLineFeedRun)
{
    QString page = kPage;
    page.replace("EST", "GMT");
    EXPECT_EQ(parsed(portalRequest(page)).condition, "RAIN");
    page = kPage;
    page.replace("EST", "EDT");
    EXPECT_EQ(parsed(portalRequest(page)).condition, "RAIN");
    // Without a time-zone word the condition starts 3 characters into a run
    // of six line feeds.
    page = kPage;
    page.replace("pm EST Light Rain", "\n\n\n\n\n\nOvercast");
    EXPECT_EQ(parsed(portalRequest(page)).condition, "OVERCAST");
}

TEST(PortalPage, WithoutHumidityTheOtherReadingsStillCount)
{
    QString page = kPage;
    page.replace("Humidity: 81%", "");
    const StationRow row = parsed(portalRequest(page));
    EXPECT_EQ(row.humidity, "");
    EXPECT_EQ(row.wind, "NW12mph");
    EXPECT_EQ(row.dewpoint, " 42");
    EXPECT_EQ(row.pressure, "NR");
    EXPECT_EQ(row.uv, "NA");
}

TEST(PortalPage, ReadingsAreFoundOnlyInTheirOrder)
{
    // The dewpoint before the wind is passed over by the wind search.
    const QString page = "Today EST Fog Hi&nbsp;40&deg; Dewpoint: 39&deg; Wind: S 5&nbsp; Humidity: 90%\n";
    const StationRow row = parsed(portalRequest(page));
    EXPECT_EQ(row.condition, "FOG");
    EXPECT_EQ(row.temperature, "40");
    EXPECT_EQ(row.humidity, " 90");
    EXPECT_EQ(row.wind, "");
    EXPECT_EQ(row.dewpoint, "");
}

TEST(PortalPage, PageWithoutItsReadingsBlockIsNotAvailableOrKept)
{
    StationRow before;
    before.condition = "SUNNY";
    before.temperature = "70";
    QString withoutToday = kPage;
    withoutToday.replace("Today", "Later");
    QString withoutSpace = kPage;
    withoutSpace.replace("&nbsp;", " ");
    for (const QString& page : {withoutToday, withoutSpace}) {
        EXPECT_EQ(parsed(portalRequest(page, true), before), before);
        const StationRow row = parsed(portalRequest(page, false), before);
        EXPECT_EQ(row.condition, "NOT AVBL");
        EXPECT_EQ(row.temperature, "");
    }
}

TEST(PortalPage, MissingEndMarksAreFailures)
{
    // No "&" after the temperature nor after the dewpoint.
    const QString page = "Today EST Fog Hi&nbsp;40 Humidity: 90% Dewpoint: 39";
    // The place occurs once: the first failure makes the row not available.
    EXPECT_EQ(parsed(portalRequest(page)).condition, "NOT AVBL");

    // The place occurs again but its line never ends: the retry cannot take
    // it, each failed reading stays empty and the rest is read.
    ReportRequest request = portalRequest(page);
    request.pageText = "Toledo, Toledo";
    request.position = 1;
    const StationRow row = parsed(request);
    EXPECT_EQ(row.condition, "FOG");
    EXPECT_EQ(row.temperature, "");
    EXPECT_EQ(row.humidity, " 90");
    EXPECT_EQ(row.wind, "");
    EXPECT_EQ(row.dewpoint, "");
    EXPECT_EQ(row.pressure, "NR");
}

TEST(PortalPage, FailureRetryTakesAnUpperCaseLineThatHasNoReadings)
{
    // The retried line is upper-cased, so "Today" is never in it: a portal
    // page that fails once ends not available, or kept.
    const QString page = "Today EST Fog Hi&nbsp;40 Humidity: 90%";
    StationRow before;
    before.condition = "CLEAR";
    before.wind = "N5";
    ReportRequest request = portalRequest(page, true);
    request.pageText = "Toledo\r\nToledo today\r\n";
    request.position = 1;
    EXPECT_EQ(parsed(request, before), before);
    request.keepLast = false;
    EXPECT_EQ(parsed(request, before).condition, "NOT AVBL");
}

TEST(PortalPage, HugeConditionTextEndsQuickly)
{
    const QString page = "Today EST " + QString("Rain ").repeated(1000000) + "Hi&nbsp;52&deg;F";
    const StationRow row = parsed(portalRequest(page));
    EXPECT_EQ(row.temperature, "52");
    EXPECT_TRUE(row.condition.startsWith("RAIN RAIN"));
}
