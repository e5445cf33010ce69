#include "report_lines.h"
#include "support/cpu_clock.h"

#include <QStringList>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <string>

namespace {

const QStringList kSiteCodes{"UA", "W1", "W2", "NA", "AK", "HI", "CA"};

StationRow earlierRow()
{
    StationRow row;
    row.place = "BOSTON";
    row.condition = "SUNNY";
    row.temperature = "60";
    row.dewpoint = "40";
    row.humidity = "47";
    row.wind = "N5";
    row.pressure = "30.00";
    row.remarks = "CALM SEAS";
    row.uv = "6";
    return row;
}

QString roundupLine(const QString& remarks = "HAZE")
{
    return fixedColumns({{"BOSTON", 15}, {"CLOUDY", 9}, {"45", 5}, {"30", 5}, {"55", 4}, {"NW12G22", 9},
                         {"30.05R", 8}},
                        remarks);
}

void expectNotAvailable(const StationRow& row, const QString& place)
{
    EXPECT_EQ(row.place, place);
    EXPECT_EQ(row.condition, "NOT AVBL");
    for (int label = 4; label <= 10; ++label)
        EXPECT_EQ(row.label(label), "") << "label " << label;
}

} // namespace

TEST(NotAvailableReports, EmptyRowUnlessTheLastReadingsAreKept)
{
    for (const QString& code : kSiteCodes) {
        for (const QString& words : {QString("NOT AVAILABLE"), QString("NOT AVBL")}) {
            ReportRequest request = requestFor(code, "BOSTON        " + words + " AT THIS TIME", "BOSTON");
            expectNotAvailable(parsed(request, earlierRow()), "BOSTON");
            request.keepLast = true;
            EXPECT_EQ(parsed(request, earlierRow()), earlierRow()) << code.toStdString();
            // Nothing to keep: marked not available all the same.
            StationRow empty;
            empty.temperature = "60";
            expectNotAvailable(parsed(request, empty), "");
        }
    }
}

TEST(NotAvailableReports, OnlyTheExactUpperCaseWordsCount)
{
    const StationRow row = parsed(requestFor("NA", roundupLine("not avbl"), "BOSTON"));
    EXPECT_EQ(row.condition, "CLOUDY");
    EXPECT_EQ(row.remarks, "not avbl");
}

TEST(NotAvailableReports, ARetriedLineThatSaysNotAvailable)
{
    // The first line is too short; the place's next line says it has no
    // report, and the kept row is the one from before the call, not the
    // half-written first attempt.
    const QString shortLine = roundupLine().left(42);
    ReportRequest request = requestFor("NA", shortLine, "BOSTON");
    request.pageText = shortLine + "\r\nBOSTON         NOT AVBL\r\n";
    request.keepLast = true;
    EXPECT_EQ(parsed(request, earlierRow()), earlierRow());
    request.keepLast = false;
    expectNotAvailable(parsed(request, earlierRow()), "BOSTON");
}

TEST(Dispatch, UnknownCodesChangeNothing)
{
    for (const QString& code : {QString("na"), QString("XX"), QString(), QString("NA ")})
        EXPECT_EQ(parsed(requestFor(code, roundupLine(), "BOSTON"), earlierRow()), earlierRow());
}

TEST(Dispatch, TheSameLineReadsDifferentlyBySource)
{
    const QString line = roundupLine("HAZE AND SMOKE");
    EXPECT_EQ(parsed(requestFor("NA", line, "BOSTON")).condition, "CLOUDY");
    EXPECT_EQ(parsed(requestFor("W1", line, "BOSTON")).uv, "NA");
    EXPECT_EQ(parsed(requestFor("AK", line, "BOSTON")).dewpoint, "N/A");
    EXPECT_EQ(parsed(requestFor("HI", line, "BOSTON")).wind, "NR");
}

TEST(Recovery, RetrySearchStartsTwoCharactersIntoTheFailedLine)
{
    // The failed line starts with the blank before the place, so the place
    // itself is one character in: it is not found again there.
    const QString shortLine = " " + roundupLine().left(41);
    ReportRequest request = requestFor("NA", shortLine, "BOSTON");
    request.pageText = "MAZ\r\n" + shortLine + "\r\n";
    request.position = 6;
    expectNotAvailable(parsed(request), "");

    // A page position past the end or before the start finds nothing.
    request.position = 100000;
    expectNotAvailable(parsed(request), "");
    request.position = -5;
    expectNotAvailable(parsed(request), "");
}

// The retry, too, takes a line that holds the place as spelled before one
// that holds it only in another case, and upper-cases the line it takes.
TEST(Recovery, PlaceIsSearchedAgainAsSpelledFirstThenWhateverTheCase)
{
    const QString shortLine = roundupLine().left(42);
    // A zone's heading and a longer name that hold the place are not its row.
    const QString mixedCase = shortLine + "\r\n" + "GREATER BOSTON AND VICINITY, WHERE THE SKY IS GRAY\r\n"
        + "BOSTON LOGAN   FAIR     50   45   83  calm     29.90   \r\n"
        + "Boston         fog      50   45   83  calm     29.90   \r\n";
    const QString hawaiiRow = "HONOLULU          MOSTLY SUNNY  HAZE              84 68 59        30.02R";
    const QString hawaiiTitle = "Honolulu, Hilo, Kahului, Lihue and the other airports of the State of Hawaii";
    struct Case {
        QString code, line, page;
        std::string readings; // condition, temperature, wind, pressure
    } const cases[] = {
        {"NA", shortLine, mixedCase, "FOG|50|CALM|29.90"},
        {"NA", shortLine, mixedCase + roundupLine() + "\r\n", "CLOUDY|45|NW12G22|30.05R"},
        {"HI", hawaiiRow.left(40), hawaiiRow.left(40) + "\n" + hawaiiTitle + "\n" + hawaiiRow + "\n",
         "MOSUNNY|84|NR|30.02R"},
    };
    for (const Case& c : cases) {
        ReportRequest request = requestFor(c.code, c.line, c.code == "HI" ? "HONOLULU" : "BOSTON");
        request.pageText = c.page;
        const StationRow row = parsed(request);
        EXPECT_EQ(QStringList({row.condition, row.temperature, row.wind, row.pressure}).join('|').toStdString(),
                  c.readings)
            << c.code.toStdString();
    }
}

TEST(Recovery, OnlyOneRetryPerCall)
{
    // Every occurrence of the place is short: after the one retry the
    // failures empty their fields and the call still ends.
    const QString shortLine = roundupLine().left(30);
    ReportRequest request = requestFor("NA", shortLine, "BOSTON");
    request.pageText = (shortLine + "\r\n").repeated(50);
    const StationRow row = parsed(request);
    EXPECT_EQ(row.condition, "CLOUDY");
    EXPECT_EQ(row.temperature, "45");
    // The line ends on the dewpoint's first character: each field from
    // there on takes it, fails at its cut and is emptied; the remarks keep it.
    EXPECT_EQ(row.dewpoint, "");
    EXPECT_EQ(row.humidity, "");
    EXPECT_EQ(row.wind, "");
    EXPECT_EQ(row.pressure, "");
    EXPECT_EQ(row.remarks, "3");
}

// Any page, however damaged, must end quickly in a row: not available or
// partly read, never a crash or a hang.
class HostilePages : public ::testing::TestWithParam<const char*> {
protected:
    StationRow parseTimed(const QString& line, const QString& page, bool metric)
    {
        ReportRequest request = requestFor(GetParam(), line, "BOSTON", metric);
        request.pageText = page;
        const qint64 started = threadCpuMilliseconds();
        StationRow row = parsed(request, earlierRow());
        EXPECT_LT(threadCpuMilliseconds() - started, 3000) << GetParam();
        return row;
    }
};

TEST_P(HostilePages, EmptyLineAndPage)
{
    for (bool metric : {false, true})
        expectNotAvailable(parseTimed("", "", metric), "BOSTON");
}

TEST_P(HostilePages, HugeLineWithoutLineEnds)
{
    const QString huge = "BOSTON" + QString(5 * 1024 * 1024, QLatin1Char('7'));
    for (bool metric : {false, true}) {
        const StationRow row = parseTimed(huge, huge, metric);
        EXPECT_FALSE(row.condition.isEmpty() && row.temperature.isEmpty() && row.uv.isEmpty());
    }
}

TEST_P(HostilePages, HugeLineOfBlanksAndLetters)
{
    QString huge = "BOSTON ";
    for (int i = 0; i < 500000; ++i)
        huge += QLatin1String("AB CD EF G ");
    const StationRow row = parseTimed(huge, huge + "\r", true);
    EXPECT_NE(row, earlierRow());
}

TEST_P(HostilePages, BinaryBytes)
{
    QByteArray bytes(200000, '\0');
    QRandomGenerator random(1234);
    for (char& c : bytes)
        c = static_cast<char>(random.bounded(256));
    const QString garbage = QString::fromLatin1(bytes);
    const QString line = "BOSTON" + garbage.left(300);
    const QString page = garbage + line + "\r" + garbage;
    for (bool metric : {false, true})
        parseTimed(line, page, metric);
    // Cut lines of every length up to a full row.
    const QString full = roundupLine();
    for (qsizetype n = 0; n <= full.size(); ++n)
        parseTimed(full.left(n), full.left(n) + "\r\n" + full.left(n / 2) + "\r\n", true);
}

INSTANTIATE_TEST_SUITE_P(EverySource, HostilePages, ::testing::Values("UA", "W1", "W2", "NA", "AK", "HI", "CA"),
                         [](const auto& info) { return std::string(info.param); });

// A reading the source leaves out ("M", "N/A", blanks) is shown as it came,
// in either unit: never -18 degrees, 100 percent, .00 inches or a slash
// between two invented temperatures. A variable wind keeps its word.
TEST(MissingReadings, AreShownAsTheSourceGaveThem)
{
    const QString roundup = fixedColumns(
        {{"BOSTON", 15}, {"CLOUDY", 9}, {"M", 5}, {"N/A", 5}, {"", 4}, {"NW12", 9}, {"", 8}}, "HAZE");
    const QString hawaii = fixedColumns(
        {{"HONOLULU", 18}, {"CLEAR", 14}, {"", 16}, {"   M", 4}, {"  M", 3}, {"", 3}, {"", 8}}, "M");
    const QString hourly =
        atColumns({{1, "KLAX 1953"}, {18, "M"}, {22, "M"}, {29, "VRB AT 5"}, {50, "      "}, {66, "CLR"}});
    const QString singapore = atColumns({{1, "CHANGI"}, {27, "    "}, {31, "  M "}, {35, "HAZE"}});
    const QString singaporeBlank = atColumns({{1, "CHANGI"}, {35, "HAZE"}});
    struct Case {
        QString code;
        QString line;
        bool metric;
        std::string expected; // temperature, dewpoint, humidity, wind, pressure
    };
    const Case cases[] = {
        {"NA", roundup, true, "M|N/A||NW19|"},
        {"HI", hawaii, true, "M|M||NR|M"},
        {"CA", hourly, false, "M|M|NA|VRB6|"},
        {"CA", hourly, true, "M|M|NA|VRB10|"},
        {"W2", singapore, false, "/M|NA|NA|NA|NA"},
        {"W2", singaporeBlank, true, "|NA|NA|NA|NA"},
    };
    for (const Case& c : cases) {
        const StationRow row = parsed(requestFor(c.code, c.line, "X", c.metric));
        const QString readings =
            QStringList{row.temperature, row.dewpoint, row.humidity, row.wind, row.pressure}.join('|');
        EXPECT_EQ(readings.toStdString(), c.expected) << c.code.toStdString() << (c.metric ? " metric" : "");
    }
}
