#include "update/observation_log.h"

#include "test_support.h"

#include <QDir>

namespace {

const QDateTime kWhen(QDate(2026, 3, 7), QTime(9, 5, 3));

LogRecord failedStation()
{
    return {"Texas - DALLAS", "NOT AVBL", "", "", "", "", "", "", "NR"};
}

} // namespace

TEST(ObservationLog, ShortFormatIsOneBarredLine)
{
    const LogRecord record{"Texas - DALLAS", "PTCLDY", "72", "55", "55", "S12G20", "30.01R", "HAZE", "6"};
    EXPECT_EQ(logRecordLines(record, true, true, kWhen),
              QStringList{"|Texas - DALLAS|03-07-2026|09:05:03|PTCLDY|72|55|55|S12G20|30.01R|6|HAZE|"});
    EXPECT_EQ(logRecordLines(failedStation(), true, false, kWhen),
              QStringList{"|Texas - DALLAS|03-07-2026|09:05:03|NOT AVBL||||||NR||"});
}

TEST(ObservationLog, BlockFormatPrintsEveryLabelInTheShownUnits)
{
    const QStringList english = logRecordLines(failedStation(), false, true, kWhen);
    ASSERT_EQ(english.size(), 12);
    EXPECT_EQ(english[0], QString(80, '-'));
    EXPECT_EQ(english[1], "Station: Texas - DALLAS");
    EXPECT_EQ(english[2], "Date: 03-07-2026");
    EXPECT_EQ(english[3], "Local Time: 09:05:03");
    EXPECT_EQ(english[4], "Sky Conditions: NOT AVBL");
    EXPECT_EQ(english[5], "Temperature (F): ");
    EXPECT_EQ(english[7], "Humidity: %");
    EXPECT_EQ(english[8], "Wind (MPH): ");
    EXPECT_EQ(english[9], "Pressure (inches): ");
    EXPECT_EQ(english[10], "UV Index: NR");
    EXPECT_EQ(english[11], "Remarks: ");

    const QStringList metric = logRecordLines(failedStation(), false, false, kWhen);
    EXPECT_EQ(metric[5], "Temperature (C): ");
    EXPECT_EQ(metric[6], "Dewpoint (C): ");
    EXPECT_EQ(metric[8], "Wind (KPH): ");
    EXPECT_EQ(metric[9], "Pressure (millibars): ");
}

TEST(ObservationLog, FileNamesStayInsideTheLogFolder)
{
    EXPECT_EQ(logFileName("DALLAS", false), "CV_Log.txt");
    EXPECT_EQ(logFileName("DALLAS", true), "DALLAS_Log.txt");
    EXPECT_EQ(logFileName("ST. LOUIS", true), "ST. LOUIS_Log.txt");
    EXPECT_EQ(logFileName("../../etc/passwd", true), ".._.._etc_passwd_Log.txt");
    EXPECT_EQ(logFileName("A\\B", true), "A_B_Log.txt");
    EXPECT_EQ(logFileName("..", true), "___Log.txt");
}

class ObservationLogFiles : public SandboxTest {};

TEST_F(ObservationLogFiles, RecordsAppendToOneFileOrOnePerStation)
{
    ASSERT_TRUE(appendLogRecord("DALLAS", false, {"first"}));
    ASSERT_TRUE(appendLogRecord("AUSTIN", false, {"second"}));
    EXPECT_EQ(readFile("Log/CV_Log.txt"), "first\r\nsecond\r\n");

    ASSERT_TRUE(appendLogRecord("DALLAS", true, {"a"}));
    ASSERT_TRUE(appendLogRecord("DALLAS", true, {"b"}));
    EXPECT_EQ(readFile("Log/DALLAS_Log.txt"), "a\r\nb\r\n");

    ASSERT_TRUE(appendLogRecord("../escape", true, {"kept in"}));
    EXPECT_FALSE(QFile::exists(path("escape_Log.txt")));
    EXPECT_EQ(readFile("Log/.._escape_Log.txt"), "kept in\r\n");
}
