#include "update/alternate_source.h"

#include "test_support.h"

#include <QDateTime>
#include <QFile>

namespace {

// A conditions row: the name, 13 skipped columns, then the fixed fields.
QString row(const QString& name, const QString& temp, const QString& humidity, const QString& wind,
            const QString& sky)
{
    return name + QString(13, '.') + temp.leftJustified(5) + humidity.leftJustified(6) + wind.leftJustified(15)
        + sky + "\n";
}

} // namespace

class AlternateRowNames : public SandboxTest {};

TEST_F(AlternateRowNames, AreReadAfreshEachTimeAndOnlyUpToTheLimit)
{
    const QDateTime time = QDateTime::currentDateTime().addSecs(-60);
    auto write = [&](const QByteArray& content, const QDateTime& modified) {
        QFile file(path("alter1.cvd"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.flush();
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    };
    write("AUSTIN\r\nWACO\r\n", time);
    EXPECT_EQ(alternateRowNames(path("alter1.cvd")), QStringList({"AUSTIN", "WACO"}));
    write("BOSTON\r\nRENO\r\n", time); // same size, same time, other names
    EXPECT_EQ(alternateRowNames(path("alter1.cvd")), QStringList({"BOSTON", "RENO"}));

    const QByteArray line = "ABILENE\r\n"; // the limit falls inside the line after these
    write(line.repeated(kRowNamesByteLimit / line.size()) + "CUT BY THE LIMIT\r\nFAR AWAY\r\n", time);
    const auto names = alternateRowNames(path("alter1.cvd"));
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(names->size(), kRowNamesByteLimit / line.size());
    EXPECT_EQ(names->last(), "ABILENE");
    QFile::remove(path("alter1.cvd"));
    EXPECT_FALSE(alternateRowNames(path("alter1.cvd")).has_value());
}

TEST(AlternateSource, RowNamesMatchByThePlaceLessItsStateCode)
{
    const QStringList names{"AUSTIN", "DALLAS LOVE", "DALLAS FT WORTH"};
    bool usable = false;
    EXPECT_EQ(alternateRowName(names, "DALLAS TX", &usable), "DALLAS LOVE");
    EXPECT_TRUE(usable);
    EXPECT_EQ(alternateRowName(names, "austin tx", &usable), "AUSTIN");
    EXPECT_FALSE(alternateRowName(names, "WACO TX", &usable).has_value());
    EXPECT_TRUE(usable);
    EXPECT_FALSE(alternateRowName(names, "TX", &usable).has_value());
    EXPECT_FALSE(usable);
}

TEST(AlternateSource, RowFieldsAreCutByWidth)
{
    const QString text = "header\n" + row("DALLAS LOVE", "50", "65%", "NORTH at 10", "partly cloudy");
    AlternateReading reading = parseAlternateRow("DALLAS LOVE", text, false);
    EXPECT_TRUE(reading.found);
    EXPECT_EQ(reading.temperature, "50");
    EXPECT_EQ(reading.humidity, "65");
    EXPECT_EQ(reading.wind, "N10");
    EXPECT_EQ(reading.condition, "PARTLY CLOUDY");
    EXPECT_EQ(reading.status, "Alternate Site Used");

    reading = parseAlternateRow("DALLAS LOVE", text, true);
    EXPECT_EQ(reading.temperature, "10");

    reading = parseAlternateRow("X", row("X", "31", "80", "NORTHWEST at 7", "snow"), true);
    EXPECT_EQ(reading.temperature, "-1"); // (31 - 32) * 5 / 9 rounded down
    EXPECT_EQ(reading.wind, "NORTHWEST7");

    // A missing temperature is not converted.
    for (const QString missing : {"", "M"})
        EXPECT_EQ(parseAlternateRow("X", row("X", missing, "80", "CALM", "fog"), true).temperature, missing);
}

TEST(AlternateSource, MissingRowsOrLineEndsAreNotReported)
{
    EXPECT_EQ(parseAlternateRow("WACO", "", false).status, "Alternate Site N/R");
    EXPECT_EQ(parseAlternateRow("WACO", "WACO........ 70  no line end", false).status, "Alternate Site N/R");
    const AlternateReading shortRow = parseAlternateRow("WACO", "WACO.....\n", false);
    EXPECT_TRUE(shortRow.found); // a short row leaves its fields empty but is still used
    EXPECT_EQ(shortRow.temperature, "");
}

TEST(AlternateSource, TrimSpacesTouchesOnlyBlanks)
{
    QString text = "  N 10 \t ";
    EXPECT_EQ(Trim_Spaces(text), "N 10 \t");
    EXPECT_EQ(text, "N 10 \t");
}
