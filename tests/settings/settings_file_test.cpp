#include "settings/settings_file.h"

#include "settings/caption_length.h"

#include <gtest/gtest.h>

namespace {

const QString kVersion = QStringLiteral("Version 1.7.7");

// A record holding nothing but the version line.
SettingsRecord bareRecord()
{
    SettingsRecord record;
    record.version = kVersion;
    return record;
}

SettingsRecord sampleRecord()
{
    SettingsRecord record;
    record.version = kVersion;
    record.watchList = {{"Texas - DALLAS", true}, {"*Ohio - Toledo", false}, {"Maine - PORTLAND", true}};
    record.interval = 2;
    record.menuFlags = {true, false, true, false, false, true, false, true, false, false, true, false, true};
    record.animationStep = 100;
    record.whichOption1 = 2;
    record.whichOption2 = 1;
    record.proxyServer = "proxy.local";
    record.proxyPort = "8080";
    record.zipCode = "75067";
    record.logFile = 1;
    record.separateLogFile = 0;
    record.compressed = 1;
    record.disScroll = false;
    record.ckMail = true;
    record.colorSettings = 1;
    record.textColor = 0x80000012u;
    record.backColor = 0x00FFFFC0u;
    record.alertSound = "Thunder";
    record.mailSound = "(none)";
    record.fahrenheit = false;
    record.celsius = true;
    return record;
}

LoadedSettings parseLines(const QStringList& lines)
{
    CommaInput input(lines.join("\r\n") + "\r\n");
    return parseSettings(input, kVersion);
}

QString storeValue(const SettingsOutput& out, const QString& key)
{
    for (const auto& [k, v] : out.storeValues)
        if (k == key)
            return v;
    return "<missing>";
}

} // namespace

TEST(SettingsFile, SaveWritesThePositionalLinesAndTheirMirror)
{
    const SettingsOutput out = composeSettings(sampleRecord());
    ASSERT_EQ(out.fileLines.size(), 36 + 2 * 3);
    EXPECT_EQ(out.fileLines[0], "[CRVN INFO] Version 1.7.7");
    EXPECT_EQ(out.fileLines[1], "Texas - DALLAS");
    EXPECT_EQ(out.fileLines[2], "True");
    EXPECT_EQ(out.fileLines[7], "[INTERVAL]");
    EXPECT_EQ(out.fileLines[8], " 2");
    EXPECT_EQ(out.fileLines[9], "[PARAMETERS]");
    EXPECT_EQ(out.fileLines[23], " 100");
    EXPECT_EQ(out.fileLines[24], "2");
    EXPECT_EQ(out.fileLines[35], "-2147483630");
    EXPECT_EQ(out.fileLines[36], " 16777152");
    EXPECT_EQ(out.fileLines[37], "[ALERT]");
    EXPECT_EQ(out.fileLines.last(), "True");

    EXPECT_EQ(storeValue(out, "Version"), "Version 1.7.7");
    EXPECT_EQ(storeValue(out, "NumberOfSites"), " 2");
    EXPECT_EQ(storeValue(out, "Site 0"), "Texas - DALLAS");
    EXPECT_EQ(storeValue(out, "Log It 0"), "True");
    EXPECT_EQ(storeValue(out, "Log It 1"), "False");
    EXPECT_EQ(storeValue(out, "Interval"), " 2");
    EXPECT_EQ(storeValue(out, "Interval1"), " 2");
    EXPECT_EQ(storeValue(out, "Visual Alert"), "True");
    EXPECT_EQ(storeValue(out, "Sound Alert"), "False");
    EXPECT_EQ(storeValue(out, "WhichOption1"), "2");
    EXPECT_EQ(storeValue(out, "Label2(3)"), "-2147483630");
    EXPECT_EQ(storeValue(out, "Combo2 text"), "Thunder");
    EXPECT_EQ(storeValue(out, "TempD(1)"), "True");
}

TEST(SettingsFile, WatchListLimitsAndTheEmptyList)
{
    SettingsRecord record = sampleRecord();
    record.watchList.clear();
    SettingsOutput out = composeSettings(record);
    EXPECT_EQ(out.fileLines.size(), 36);
    EXPECT_EQ(storeValue(out, "NumberOfSites"), "-1");
    EXPECT_EQ(storeValue(out, "Site 0"), "<missing>");

    for (int i = 0; i < 12; ++i)
        record.watchList.append({QString("Texas - CITY%1").arg(i), i % 2 == 0});
    out = composeSettings(record);
    EXPECT_EQ(out.fileLines.size(), 36 + 20);
    EXPECT_EQ(storeValue(out, "NumberOfSites"), " 11");
    EXPECT_EQ(storeValue(out, "Site 9"), "Texas - CITY9");
    EXPECT_EQ(storeValue(out, "Site 10"), "<missing>");

    const LoadedSettings empty = parseLines(composeSettings(sampleRecord()).fileLines.mid(0, 1)
                                            + composeSettings(bareRecord()).fileLines.mid(1));
    EXPECT_TRUE(empty.accepted);
    EXPECT_TRUE(empty.watchList.isEmpty());
    EXPECT_FALSE(empty.endedInWatchList);
}

TEST(SettingsFile, AHugeWatchListKeepsTheFirstTenAndReadsOnPastTheRest)
{
    const QStringList saved = composeSettings(sampleRecord()).fileLines;
    QStringList lines{saved.first()};
    for (int i = 0; i < 200000; ++i)
        lines << QString("Texas - CITY%1").arg(i) << (i % 2 == 0 ? "True" : "False");
    lines += saved.mid(1 + 2 * sampleRecord().watchList.size());
    const LoadedSettings loaded = parseLines(lines);
    ASSERT_EQ(loaded.watchList.size(), kKeptWatchEntries);
    EXPECT_EQ(loaded.watchList.last().text, "Texas - CITY9");
    EXPECT_EQ(loaded.watchList.last().logIt, false);
    EXPECT_FALSE(loaded.endedInWatchList);
    EXPECT_EQ(loaded.interval, 2);
    EXPECT_EQ(loaded.alertSound, "Thunder");
    EXPECT_EQ(loaded.celsius, true);
}

TEST(SettingsFile, RoundTripGivesBackEveryField)
{
    const SettingsRecord record = sampleRecord();
    const LoadedSettings loaded = parseLines(composeSettings(record).fileLines);
    ASSERT_TRUE(loaded.accepted);
    ASSERT_EQ(loaded.watchList.size(), 3);
    EXPECT_EQ(loaded.watchList[1].text, "*Ohio - Toledo");
    EXPECT_EQ(loaded.watchList[1].logIt, false);
    EXPECT_EQ(loaded.watchList[2].logIt, true);
    EXPECT_EQ(loaded.interval, 2);
    for (size_t i = 0; i < record.menuFlags.size(); ++i)
        EXPECT_EQ(loaded.menuFlags[i], record.menuFlags[i]) << i;
    EXPECT_EQ(loaded.timerInterval, 100);
    EXPECT_EQ(loaded.whichOption1, 2);
    EXPECT_EQ(loaded.whichOption2, 1);
    EXPECT_EQ(loaded.proxyServer, "proxy.local");
    EXPECT_EQ(loaded.proxyPort, "8080");
    EXPECT_EQ(loaded.zipCode, "75067");
    EXPECT_EQ(loaded.logFile, 1);
    EXPECT_EQ(loaded.separateLogFile, 0);
    EXPECT_EQ(loaded.ckMail, true);
    EXPECT_EQ(loaded.colorSettings, 1);
    EXPECT_EQ(loaded.textColor, 0x80000012u);
    EXPECT_EQ(loaded.backColor, 0x00FFFFC0u);
    EXPECT_EQ(loaded.alertSound, "Thunder");
    EXPECT_EQ(loaded.fahrenheit, false);
    EXPECT_EQ(loaded.celsius, true);
}

TEST(SettingsFile, VersionTestRefusesOldFilesOnly)
{
    EXPECT_TRUE(acceptsSettingsHeader("[CRVN INFO] Version 1.7.7", kVersion));
    EXPECT_TRUE(acceptsSettingsHeader("[CRVN INFO] Version 1.8.0", kVersion));
    EXPECT_TRUE(acceptsSettingsHeader("anything at all 2.0.0", kVersion));
    EXPECT_FALSE(acceptsSettingsHeader("[CRVN INFO] Version 1.6.9", kVersion));
    EXPECT_TRUE(acceptsSettingsHeader("[CRVN INFO] Version 1.6.9", "Version 1.6.9"));
    EXPECT_FALSE(acceptsSettingsHeader("", kVersion));
    EXPECT_FALSE(acceptsSettingsHeader("garbage", kVersion));

    const LoadedSettings old = parseLines({"[CRVN INFO] Version 1.6.9", "Texas - DALLAS", "True"});
    EXPECT_FALSE(old.accepted);
    EXPECT_TRUE(old.watchList.isEmpty());
}

TEST(SettingsFile, DamagedValuesAreSkippedNotGuessed)
{
    QStringList lines = composeSettings(sampleRecord()).fileLines;
    lines[8] = " 3";          // interval
    lines[10] = "";           // Visual Alert: empty keeps the holder
    lines[11] = "Maybe";      // Sound Alert: does not convert
    lines[23] = "60";         // animation step that is no speed
    lines[24] = "";           // WhichOption1 empty selects option 0
    lines[35] = "pink";       // text colour that is not a number
    const LoadedSettings loaded = parseLines(lines);
    EXPECT_EQ(loaded.interval, 3);
    EXPECT_FALSE(loaded.menuFlags[FlagVisual].has_value());
    EXPECT_FALSE(loaded.menuFlags[FlagSound].has_value());
    EXPECT_EQ(loaded.timerInterval, 60);
    EXPECT_FALSE(animationForStep(loaded.animationNumber).has_value());
    EXPECT_EQ(loaded.whichOption1, 0);
    EXPECT_FALSE(loaded.textColor.has_value());
    EXPECT_EQ(loaded.backColor, 0x00FFFFC0u);
}

TEST(SettingsFile, CommaInAnEntrySplitsItAsItAlwaysHas)
{
    QStringList lines = composeSettings(bareRecord()).fileLines;
    lines.insert(1, "Texas - FORT WORTH, TX");
    lines.insert(2, "True");
    const LoadedSettings loaded = parseLines(lines);
    ASSERT_GE(loaded.watchList.size(), 2);
    EXPECT_EQ(loaded.watchList[0].text, "Texas - FORT WORTH");
    EXPECT_FALSE(loaded.watchList[0].logIt.has_value()); // " TX" is no truth value
    EXPECT_EQ(loaded.watchList[1].text, "True");
}

// However long a watch entry runs, it is kept cut to the longest caption
// and the file is read on as before; an unclosed quote takes the rest of the
// file into one entry, which is cut too.
TEST(SettingsFile, LongWatchEntriesAreCutAndTheRestReadAsBefore)
{
    const QString entry = "Texas - " + QString(1000000, 'X');
    const QString longest = entry.left(kLongestCaption);
    const QString pair = QString::fromUtf8("\U0001F300"); // one character, two UTF-16 units
    struct Case { const char* name; QString line; QString kept; bool readsOn; };
    const Case cases[] = {
        {"a megabyte", entry, longest, true},
        {"just the longest", longest, longest, true},
        {"a pair across the cut", longest.chopped(1) + pair, longest.chopped(1), true},
        {"an unclosed quote", "\"" + entry, longest, false},
    };
    for (const Case& c : cases) {
        QStringList lines = composeSettings(sampleRecord()).fileLines;
        lines[1] = c.line;
        const LoadedSettings loaded = parseLines(lines);
        ASSERT_FALSE(loaded.watchList.isEmpty()) << c.name;
        EXPECT_EQ(loaded.watchList[0].text, c.kept) << c.name;
        EXPECT_EQ(loaded.endedInWatchList, !c.readsOn) << c.name;
        if (c.readsOn) {
            EXPECT_EQ(loaded.watchList[0].logIt, true) << c.name;
            EXPECT_EQ(loaded.watchList.value(1).text, "*Ohio - Toledo") << c.name;
            EXPECT_EQ(loaded.celsius, true) << c.name;
        }
    }
}

TEST(SettingsFile, TruncatedFilesStopWithoutInventingValues)
{
    const QStringList full = composeSettings(sampleRecord()).fileLines;
    const LoadedSettings inList = parseLines(full.mid(0, 4));
    EXPECT_TRUE(inList.endedInWatchList);
    EXPECT_EQ(inList.watchList.size(), 2);
    EXPECT_FALSE(inList.interval.has_value());

    const LoadedSettings midway = parseLines(full.mid(0, 20));
    EXPECT_FALSE(midway.endedInWatchList);
    EXPECT_EQ(midway.interval, 2);
    EXPECT_TRUE(midway.menuFlags[FlagVisual].has_value());
    EXPECT_FALSE(midway.menuFlags[FlagIgnoreUV].has_value());
    EXPECT_FALSE(midway.timerInterval.has_value());
    EXPECT_FALSE(midway.whichOption1.has_value());
    EXPECT_FALSE(midway.celsius.has_value());

    const LoadedSettings garbage = parseLines({QString(QChar(0x1)) + "\xff\xfe binary"});
    EXPECT_FALSE(garbage.accepted);
}

TEST(SettingsFile, IntervalAndAnimationTables)
{
    EXPECT_EQ(minutesForInterval(0), 60);
    EXPECT_EQ(minutesForInterval(3), 15);
    EXPECT_EQ(minutesForInterval(9), 1);
    EXPECT_FALSE(minutesForInterval(10).has_value());
    EXPECT_FALSE(minutesForInterval(-1).has_value());
    const auto medium = animationForStep(100);
    ASSERT_TRUE(medium.has_value());
    EXPECT_EQ(medium->kind, 1);
    EXPECT_EQ(medium->speedIndex, 1);
    EXPECT_EQ(animationStep(0, 2), 70);
}

// Every text the user chooses for the file reads back as written, or is
// refused before it is saved; a text that needs no quotes is written as it
// stands, as files were always written.
TEST(SettingsFile, EveryChosenTextReadsBackOrIsRefused)
{
    struct Case {
        QString text;
        QString line;        // as written in the file; empty when refused
        bool refusedAsEntry; // refused as a watch entry only
    };
    const Case cases[] = {
        {"Storm, heavy", "\"Storm, heavy\"", false},
        {",", "\",\"", false},
        {" leading", " leading", false},
        {"trailing ", "trailing ", false},
        {"  ", "  ", false},
        {" , ", "\" , \"", false},
        {"line\r\nend", "\"line\r\nend\"", false},
        {"tab\there", "tab\there", false},
        {QString::fromUtf8("Zürich, ☂"), QString::fromUtf8("\"Zürich, ☂\""), false},
        {"say \"hi\"", "say \"hi\"", false},
        {"ends in \"", "ends in \"", false},
        {"[bracket]", "[bracket]", true},
        {"\"quoted\"", "", false},
        {"a, \"b\"", "", false},
        {"line\n\"end", "", false},
        {"\"", "", false},
    };
    for (const Case& c : cases) {
        for (const bool asEntry : {false, true}) {
            SCOPED_TRACE(c.text.toStdString() + (asEntry ? " (and as a watch entry)" : ""));
            SettingsRecord record = sampleRecord();
            record.proxyServer = record.proxyPort = record.zipCode = record.alertSound = record.mailSound = c.text;
            if (asEntry)
                record.watchList.append({c.text, true});
            const bool refused = c.line.isEmpty() || (asEntry && c.refusedAsEntry);
            EXPECT_EQ(!settingsRefusal(record).isEmpty(), refused);
            if (refused)
                continue;
            const SettingsOutput out = composeSettings(record);
            EXPECT_EQ(out.fileLines.count(c.line), asEntry ? 6 : 5);
            const LoadedSettings loaded = parseLines(out.fileLines);
            QStringList read;
            for (const auto& field : {loaded.proxyServer, loaded.proxyPort, loaded.zipCode, loaded.alertSound,
                                      loaded.mailSound})
                read << field.value_or("(none read)");
            if (asEntry)
                read << loaded.watchList.value(3).text;
            EXPECT_EQ(read, QStringList(read.size(), c.text));
            EXPECT_EQ(loaded.watchList.value(0).text, "Texas - DALLAS");
            EXPECT_EQ(loaded.celsius, true);
        }
    }
}
