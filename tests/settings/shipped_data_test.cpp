#include "options/states_cities.h"
#include "settings/source_addresses.h"
#include "update/site_code.h"
#include "update/station_search.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString shipped(const QString& name)
{
    return QStringLiteral(CORVANE_DATA_DIR) + "/" + name;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The alternate-place table as the options dialog takes it: one item per line.
QStringList alternateTable()
{
    QString text = QString::fromUtf8(fileBytes(shipped("alternate_places.txt")));
    text.remove('\r');
    QStringList items = text.split('\n');
    if (!items.isEmpty() && items.last().isEmpty())
        items.removeLast();
    return items;
}

// The blocks of the states-and-cities rows: state name, URL line, cities.
QList<QStringList> stateBlocks(const QStringList& rows)
{
    QList<QStringList> blocks;
    QStringList block;
    for (const QString& row : rows) {
        if (row.isEmpty() || row == "[END]") {
            if (!block.isEmpty())
                blocks.append(block);
            block.clear();
            continue;
        }
        block.append(row);
    }
    return blocks;
}

// Watch-list entries are written to the settings file one per line and read
// back as comma-separated fields: a comma or quote would split or cut them.
bool fitsTheSettingsFile(const QString& text)
{
    return !text.contains(',') && !text.contains('"');
}

} // namespace

TEST(ShippedData, AlternatePlaceTableHasEveryBlockWithItsPlaces)
{
    const QStringList items = alternateTable();
    ASSERT_EQ(items.size(), 797);
    EXPECT_EQ(items.last(), "[END]");
    const QList<QPair<QString, int>> expected = {
        {"Alabama", 10}, {"Alaska", 12}, {"Arizona", 14}, {"Arkansas", 11}, {"California", 59}, {"Colorado", 14},
        {"Connecticut", 5}, {"District of Columbia", 1}, {"Delaware", 3}, {"Florida", 35}, {"Georgia", 13},
        {"Hawaii", 5}, {"Idaho", 12}, {"Illinois", 13}, {"Indiana", 10}, {"Iowa", 11}, {"Kansas", 15},
        {"Kentucky", 9}, {"Louisiana", 9}, {"Maine", 9}, {"Maryland", 6}, {"Massachusetts", 7}, {"Michigan", 17},
        {"Minnesota", 13}, {"Mississippi", 12}, {"Missouri", 11}, {"Montana", 13}, {"Nebraska", 9}, {"Nevada", 11},
        {"New Hampshire", 8}, {"New Jersey", 8}, {"New Mexico", 16}, {"New York", 24}, {"North Carolina", 14},
        {"North Dakota", 7}, {"Ohio", 10}, {"Oklahoma", 13}, {"Oregon", 15}, {"Pennsylvania", 18},
        {"Rhode Island", 2}, {"South Carolina", 10}, {"South Dakota", 7}, {"Tennessee", 9}, {"Texas", 41},
        {"Utah", 5}, {"Vermont", 5}, {"Virginia", 12}, {"Washington", 19}, {"West Virginia", 10},
        {"Wisconsin", 9}, {"Wyoming", 13}};
    int row = 0;
    for (const auto& [state, count] : expected) {
        ASSERT_EQ(items[row], "*" + state);
        const QString& url = items[row + 1];
        EXPECT_TRUE(url.startsWith("/forecast/@_")) << url.toStdString(); // in the portal's forecast folder
        EXPECT_EQ(url.count('@'), 1) << url.toStdString();
        EXPECT_TRUE(url.contains("_US_f.html")) << url.toStdString();
        const QStringList block = rowsAfter(items, "*" + state, 2);
        EXPECT_EQ(block.size(), count) << state.toStdString();
        for (int i = 1; i < block.size(); ++i)
            EXPECT_LE(block[i - 1].trimmed().compare(block[i].trimmed(), Qt::CaseInsensitive), 0) << block[i].toStdString();
        row += 2 + count + 1;
        if (row < items.size() - 1) {
            EXPECT_EQ(items[row - 1], "") << "no single empty item after " << state.toStdString();
        }
    }
    EXPECT_EQ(row, items.size()) << "[END] must follow the last place directly";
    EXPECT_TRUE(items.contains("/forecast/@_US_f.html"));
    EXPECT_TRUE(items.contains("/forecast/@_KS_US_f.html "));
    for (const char* place : {"Villa Olivia ", "Terre Haute ", "Portsmouth ", "Trenton ", "Winston-Salem",
                              "St. Louis", "Martha's Vineyard"})
        EXPECT_TRUE(items.contains(QString(place))) << place;
    EXPECT_EQ(rowsAfter(items, "*District of Columbia", 2), QStringList{"Washington DC"});
}

TEST(ShippedData, AlternatePlacesHaveOneKindOfLineEndAndOnlyTheFourTrailingBlanks)
{
    const QByteArray bytes = fileBytes(shipped("alternate_places.txt"));
    const qsizetype returns = bytes.count('\r');
    EXPECT_TRUE(returns == 0 || returns == bytes.count('\n')) << "mixed line ends";

    QStringList trailing;
    for (const QString& item : alternateTable()) {
        EXPECT_TRUE(fitsTheSettingsFile(item)) << item.toStdString();
        EXPECT_FALSE(item.startsWith(' ')) << item.toStdString();
        if (item.endsWith(' ') && !item.startsWith('/')) // places, not page paths
            trailing.append(item);
    }
    EXPECT_EQ(trailing, (QStringList{"Terre Haute ", "Portsmouth ", "Trenton ", "Villa Olivia "}));
}

TEST(ShippedData, StatesFileHasEveryStateWithAReportPageAndCities)
{
    const StatesFile file = readStatesFile(shipped("States_Cities.cvd"));
    ASSERT_EQ(file.problem, StatesFileProblem::None);
    EXPECT_EQ(file.rows.last(), "[END]");
    EXPECT_EQ(file.rows.count("[END]"), 1);
    const StateList states = statesFromRows(file.rows);
    ASSERT_EQ(states.names.size(), 51);
    EXPECT_EQ(QSet<QString>(states.names.begin(), states.names.end()).size(), 51) << "a state stands twice";
    EXPECT_TRUE(states.names.contains("District of Columbia"));
    for (int i = 0; i < states.names.size(); ++i) {
        EXPECT_FALSE(states.names[i].contains(" -")) << states.names[i].toStdString();
        EXPECT_TRUE(fitsTheSettingsFile(states.names[i])) << states.names[i].toStdString();
        EXPECT_TRUE(states.urls[i].startsWith("https://")) << states.urls[i].toStdString();
        EXPECT_FALSE(rowsAfter(file.rows, states.names[i], 2).isEmpty()) << states.names[i].toStdString();
    }
}

TEST(ShippedData, StatesFileLinesEndInCarriageReturnAndLineFeed)
{
    const QByteArray bytes = fileBytes(shipped("States_Cities.cvd"));
    ASSERT_TRUE(bytes.endsWith("[END]\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count('\n'));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_FALSE(bytes.contains("\r\n\r\n\r\n")) << "two empty lines between blocks";
    EXPECT_TRUE(bytes.startsWith("[US States/Cities]\r\nAlabama\r\n"));
}

// The update finds a city inside its state's roundup page by its name as
// spelled here, cuts the row from there and reads fixed columns; the state
// pickers find a state's cities by its name anywhere in the rows.
TEST(ShippedData, CityLinesCanBeFoundInTheirRoundupRows)
{
    const StatesFile file = readStatesFile(shipped("States_Cities.cvd"));
    ASSERT_EQ(file.problem, StatesFileProblem::None);
    const QList<QStringList> blocks = stateBlocks(file.rows);
    ASSERT_EQ(blocks.size(), 51);
    QSet<QString> stateNames;
    for (const QStringList& block : blocks)
        stateNames.insert(block[0]);

    for (const QStringList& block : blocks) {
        const QString state = block[0];
        ASSERT_GE(block.size(), 3) << state.toStdString();
        const QStringList cities = block.mid(2);
        EXPECT_GE(cities.size(), 3) << state.toStdString();
        for (const QString& city : cities) {
            const std::string where = state.toStdString() + ": " + city.toStdString();
            EXPECT_EQ(city, city.toUpper()) << where;
            EXPECT_EQ(city, city.trimmed()) << where;
            // The station name column is 15 wide and ends in a blank.
            EXPECT_LE(city.size(), 14) << where;
            EXPECT_TRUE(fitsTheSettingsFile(city)) << where;
            EXPECT_FALSE(city.contains(" -")) << where;
            EXPECT_FALSE(stateNames.contains(city)) << where << " would be taken for the state";
            EXPECT_EQ(cities.count(city), 1) << where;
            for (const QString& other : cities)
                EXPECT_TRUE(other == city || !other.contains(city)) << where << " is found first inside " << other.toStdString();
        }
    }
}

TEST(ShippedData, RoundupAddressesCarryTheStateWhereTheAlternateLookupReadsIt)
{
    const StatesFile file = readStatesFile(shipped("States_Cities.cvd"));
    const StateList states = statesFromRows(file.rows);
    const QRegularExpression twoLetters("^[A-Z]{2}$");
    for (const QString& url : states.urls) {
        // The alternate observation file is named by the two characters that
        // start 14 characters before the end of the report URL.
        const QString code = url.mid(url.size() - 14, 2);
        EXPECT_TRUE(twoLetters.match(code).hasMatch()) << url.toStdString();
        EXPECT_TRUE(url.contains("issuedby=" + code + "&")) << url.toStdString();
        // The station search starts at the state's zone codes, named by the
        // two characters after the roundup base.
        EXPECT_TRUE(url.contains(programSearchMarkers().roundupBase + code)) << url.toStdString();
        // Every shipped page is a state roundup table.
        EXPECT_EQ(siteCodeFor(url), "NA") << url.toStdString();
    }
}

TEST(ShippedData, SourceMarkersTellTheSourcesApart)
{
    const QString prefix = hawaiiListPrefix();
    EXPECT_EQ(prefix.size(), 31);
    EXPECT_TRUE(prefix.startsWith("http"));
    EXPECT_EQ(siteCodeFor(prefix + "/obs.txt"), "HI");
    EXPECT_FALSE(sources::homePage().endsWith('/'));
    EXPECT_FALSE(sources::portalForecastFolder().endsWith('/'));
    const SiteMarkers sites = programSiteMarkers();
    EXPECT_TRUE(sources::portalForecastFolder().contains(sites.portalHost));
    EXPECT_TRUE(sources::alternateObservations().endsWith("/wxnet/fcst/fcstdir/OBS/"));

    const QStringList markers = {sites.hawaiiHost, sites.worldList, sites.singapore, sites.decodedHourly,
                                 sites.portalHost};
    for (const QString& marker : markers) {
        EXPECT_FALSE(marker.isEmpty());
        EXPECT_FALSE(marker.contains("/ak/")) << marker.toStdString();
        for (const QString& other : markers)
            EXPECT_TRUE(other == marker || !other.contains(marker)) << marker.toStdString();
    }
    for (const QString& fetched : {sources::uvBulletin(), sources::homePage()})
        EXPECT_EQ(siteCodeFor(fetched), "NA") << fetched.toStdString();
}

// The sound lists offer every wave file of the Sounds folder, and the
// start-up plays Thunder.wav: each must be a plain PCM wave the platform plays.
TEST(ShippedData, SoundsAreSmallMonoSixteenBitWaves)
{
    const QDir folder(shipped("Sounds"));
    const QStringList names = folder.entryList({"*.wav"}, QDir::Files);
    EXPECT_TRUE(names.contains("Thunder.wav"));
    EXPECT_GE(names.size(), 4);
    for (const QString& name : names) {
        const QByteArray wave = fileBytes(folder.filePath(name));
        const std::string where = name.toStdString();
        ASSERT_GE(wave.size(), 44) << where;
        EXPECT_LT(wave.size(), 100 * 1024) << where;
        EXPECT_EQ(wave.left(4), "RIFF") << where;
        EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ") << where;
        const auto u16 = [&wave](int at) { return quint8(wave[at]) | quint8(wave[at + 1]) << 8; };
        const auto u32 = [&](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
        EXPECT_EQ(u32(4), quint32(wave.size() - 8)) << where;
        EXPECT_EQ(u16(20), 1) << where << " is not PCM";
        EXPECT_EQ(u16(22), 1) << where << " is not mono";
        EXPECT_GE(u32(24), 8000u) << where;
        EXPECT_LE(u32(24), 16000u) << where;
        EXPECT_EQ(u16(34), 16) << where;
        EXPECT_EQ(wave.mid(36, 4), "data") << where;
        EXPECT_EQ(u32(40), quint32(wave.size() - 44)) << where;
        EXPECT_GT(u32(40), u32(24) / 4) << where << " is shorter than a quarter second";
    }
}
