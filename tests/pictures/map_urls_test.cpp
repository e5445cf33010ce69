#include "pictures/map_urls.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/sound_player.h"
#include "platform/tray_icons.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"
#include "test_support.h"

#include <QSet>
#include <QUrl>
#include <utility>
#include <vector>

namespace {

struct NamedTable {
    const char* name;
    QStringList MapUrlTables::*table;
    int size;
};

// Every address table with the number of entries the menus rely on.
const std::vector<NamedTable>& addressTables()
{
    static const std::vector<NamedTable> tables = {
        {"RadarMapURL", &MapUrlTables::RadarMapURL, 8},
        {"CurrentMapURL", &MapUrlTables::CurrentMapURL, 9},
        {"SevereURL", &MapUrlTables::SevereURL, 7},
        {"SurfaceURL", &MapUrlTables::SurfaceURL, 11},
        {"SurfMapURL", &MapUrlTables::SurfMapURL, 3},
        {"FireURL", &MapUrlTables::FireURL, 8},
        {"FogURL", &MapUrlTables::FogURL, 9},
        {"PlymouthURL", &MapUrlTables::PlymouthURL, 14},
        {"PlymouthAnimURL", &MapUrlTables::PlymouthAnimURL, 7},
        {"GoesEastURL", &MapUrlTables::GoesEastURL, 3},
        {"GoesWestURL", &MapUrlTables::GoesWestURL, 3},
        {"HawaiiURL", &MapUrlTables::HawaiiURL, 2},
        {"MeteosatURL", &MapUrlTables::MeteosatURL, 3},
        {"ArcticURL", &MapUrlTables::ArcticURL, 1},
        {"AntarcticURL", &MapUrlTables::AntarcticURL, 5},
        {"JetStreamURL", &MapUrlTables::JetStreamURL, 4},
        {"CycloneURL", &MapUrlTables::CycloneURL, 9},
        {"ContinentForecastURL", &MapUrlTables::ContinentForecastURL, 6},
        {"ContinentSatURL", &MapUrlTables::ContinentSatURL, 6},
        {"AllergyURL", &MapUrlTables::AllergyURL, 4},
        {"SeaMapURL", &MapUrlTables::SeaMapURL, 8},
        {"QuakeURL", &MapUrlTables::QuakeURL, 15},
        {"WorldSatAnimURL", &MapUrlTables::WorldSatAnimURL, 9},
        {"USSatAnimURL", &MapUrlTables::USSatAnimURL, 9},
        {"RadarAnimURL", &MapUrlTables::RadarAnimURL, 2},
        {"VolcanoURL", &MapUrlTables::VolcanoURL, 11},
        {"GoesCompositeURL", &MapUrlTables::GoesCompositeURL, 6},
    };
    return tables;
}

// Entries that no menu uses and that stay empty.
bool unusedEntry(const QString& table, int i)
{
    return (table == "RadarMapURL" && i < 3) || (table == "SurfaceURL" && i == 0)
        || (table == "SurfMapURL" && i == 2);
}

QStringList allSiteRoots()
{
    using namespace sites;
    return {ClimateResearchSite(), CampusRadarSite(), VisualisationSite(), TvNetworkSite(),
            DataCompanySite(), CampusMeteoSite(), GoesImageSite(), IslandCampusSite(),
            UkMetSite(), ObservatorySite(), ArcticInstituteSite(), AntarcticCentreSite(),
            PrairieCampusSite(), ForecastCompanySite(), IslandNewsSite(), NewsNetworkSite(),
            SpaceScienceSite(), NavyOceanSite(), QuakeCentreSite(), MarineSchoolSite(),
            WeatherPortalSite(), FireAssessmentSite(), SatDataSite(), AviationSite(),
            AviationDataSite(), SatStationSite(), SolarImageSite(), SolarMirrorSite()};
}

// An absolute http(s) address whose path starts right after the host with
// a single "/".
::testing::AssertionResult isPictureAddress(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return ::testing::AssertionFailure() << qPrintable(address) << " is not a valid URL";
    if (url.scheme() != "http" && url.scheme() != "https")
        return ::testing::AssertionFailure() << qPrintable(address) << " is not http(s)";
    if (url.host().isEmpty() || !url.host().contains('.'))
        return ::testing::AssertionFailure() << qPrintable(address) << " has no host name";
    if (!url.path().startsWith('/') || url.path().startsWith("//"))
        return ::testing::AssertionFailure() << qPrintable(address) << " has a malformed path";
    if (url.path().endsWith('/') || address.contains(' '))
        return ::testing::AssertionFailure() << qPrintable(address) << " names no file";
    return ::testing::AssertionSuccess();
}

QString hostOf(const QString& address)
{
    return QUrl(address).host();
}

} // namespace

TEST(SiteRoots, AreBareHttpRootsAndDistinct)
{
    const QStringList roots = allSiteRoots();
    QSet<QString> seen;
    for (const QString& root : roots) {
        const QUrl url(root, QUrl::StrictMode);
        EXPECT_TRUE(url.isValid()) << qPrintable(root);
        EXPECT_TRUE(url.scheme() == "http" || url.scheme() == "https") << qPrintable(root);
        EXPECT_TRUE(url.host().contains('.')) << qPrintable(root);
        // The tables join root and path without a separator.
        EXPECT_TRUE(url.path().isEmpty()) << qPrintable(root);
        EXPECT_FALSE(root.endsWith('/')) << qPrintable(root);
        seen.insert(root);
    }
    // Each kind of site has its own root.
    EXPECT_EQ(seen.size(), roots.size());
}

TEST(MapUrlTables, SizesAndFilledEntries)
{
    const MapUrlTables t = buildMapUrlTables();
    for (const NamedTable& named : addressTables()) {
        const QStringList& table = t.*(named.table);
        ASSERT_EQ(table.size(), named.size) << named.name;
        for (int i = 0; i < table.size(); ++i) {
            if (unusedEntry(named.name, i))
                EXPECT_TRUE(table[i].isEmpty()) << named.name << " " << i;
            else
                EXPECT_FALSE(table[i].isEmpty()) << named.name << " " << i;
        }
    }
    EXPECT_EQ(t.CompositeArg.size(), 8);
    EXPECT_EQ(t.SurfaceTitle.size(), t.SurfaceURL.size());
    EXPECT_FALSE(t.MoonPhaseURL.isEmpty());
}

TEST(MapUrlTables, EveryAddressIsASiteRootAndAPath)
{
    const MapUrlTables t = buildMapUrlTables();
    const QStringList roots = allSiteRoots();
    auto check = [&](const QString& address, const QString& where) {
        EXPECT_TRUE(isPictureAddress(address)) << qPrintable(where);
        bool onRoot = false;
        for (const QString& root : roots)
            onRoot = onRoot || (address.startsWith(root + '/'));
        EXPECT_TRUE(onRoot) << qPrintable(where) << " " << qPrintable(address);
    };
    for (const NamedTable& named : addressTables()) {
        const QStringList& table = t.*(named.table);
        for (int i = 0; i < table.size(); ++i)
            if (!table[i].isEmpty())
                check(table[i], QStringLiteral("%1 %2").arg(named.name).arg(i));
    }
    check(t.MoonPhaseURL, "MoonPhaseURL");
    EXPECT_TRUE(t.MoonPhaseURL.endsWith("/cgi-bin/phase.gif"));
}

TEST(MapUrlTables, NoTableRepeatsAnAddress)
{
    // A repeated entry means one menu item shows another item's picture.
    const MapUrlTables t = buildMapUrlTables();
    std::vector<std::pair<const char*, QStringList>> tables;
    for (const NamedTable& named : addressTables())
        tables.emplace_back(named.name, t.*(named.table));
    tables.emplace_back("CompositeArg", t.CompositeArg);
    tables.emplace_back("SurfaceTitle", t.SurfaceTitle);
    for (const auto& [name, table] : tables) {
        QSet<QString> seen;
        int filled = 0;
        for (const QString& entry : table) {
            if (entry.isEmpty())
                continue;
            ++filled;
            seen.insert(entry);
        }
        EXPECT_EQ(seen.size(), filled) << name;
    }
}

TEST(MapUrlTables, CompositeArgumentsArePageAndMarker)
{
    const MapUrlTables t = buildMapUrlTables();
    for (int i = 0; i < t.CompositeArg.size(); ++i) {
        const QString arg = t.CompositeArg[i];
        ASSERT_EQ(arg.count('@'), 1) << i;
        const QString page = arg.section('@', 0, 0);
        const QString marker = arg.section('@', 1);
        EXPECT_TRUE(page.startsWith(sites::WeatherPortalSite() + "/weather/")) << i;
        EXPECT_TRUE(page.endsWith('/')) << i;
        EXPECT_TRUE(QUrl(page, QUrl::StrictMode).isValid()) << i;
        EXPECT_TRUE(marker.startsWith("/weather/satellite/")) << i;
        EXPECT_TRUE(marker.endsWith('+')) << i;
    }
    EXPECT_EQ(t.CompositeArg[0], sites::WeatherPortalSite()
                                     + "/weather/intl/worldsat/@/weather/satellite/world+");
    EXPECT_EQ(t.CompositeArg[7], sites::WeatherPortalSite()
                                     + "/weather/intl/hipacsat/@/weather/satellite/hipacsat+");
}

TEST(MapUrlTables, RadarMenuItemsMapToTheirEntries)
{
    const MapUrlTables t = buildMapUrlTables();
    EXPECT_EQ(radarMapEntry(1), 6);
    EXPECT_EQ(radarMapEntry(2), 7);
    EXPECT_EQ(radarMapEntry(3), 3);
    EXPECT_EQ(radarMapEntry(4), 4);
    EXPECT_EQ(radarMapEntry(5), 5);
    // The radar menu has no item 0.
    EXPECT_EQ(radarMapEntry(0), -1);
    EXPECT_EQ(radarMapEntry(6), -1);
    EXPECT_EQ(radarMapEntry(-1), -1);

    EXPECT_EQ(t.RadarMapURL[radarMapEntry(1)], sites::CampusRadarSite() + "/gif/rad_00.gif");
    EXPECT_EQ(t.RadarMapURL[radarMapEntry(2)], sites::CampusRadarSite() + "/gif/rad_01.gif");
    EXPECT_EQ(t.RadarMapURL[radarMapEntry(3)], sites::ClimateResearchSite() + "/pix/cent_precip.gif");
    EXPECT_EQ(t.RadarMapURL[radarMapEntry(4)], sites::ClimateResearchSite() + "/pix/east_precip.gif");
    EXPECT_EQ(t.RadarMapURL[radarMapEntry(5)], sites::ClimateResearchSite() + "/pix/west_precip.gif");
}

TEST(MapUrlTables, ContourMenuAndTheRawPlotShareTheSurfaceTable)
{
    const MapUrlTables t = buildMapUrlTables();
    EXPECT_EQ(t.SurfaceURL[SurfaceRawPlotEntry], sites::DataCompanySite() + "/surface/sfc_map.gif");
    EXPECT_TRUE(t.SurfaceTitle[SurfaceRawPlotEntry].isEmpty());
    EXPECT_TRUE(t.SurfaceTitle[0].isEmpty());

    EXPECT_EQ(surfaceContourEntry(0), 2);
    EXPECT_EQ(surfaceContourEntry(8), 10);
    EXPECT_EQ(surfaceContourEntry(9), -1);
    EXPECT_EQ(surfaceContourEntry(-1), -1);

    // Each contour item's address and title stand at the same entry.
    const std::vector<std::pair<const char*, const char*>> contours = {
        {"sfc_con_temp.gif", "US Temperature Contour Map"},
        {"sfc_con_temp_na.gif", " North America Temperature Contour"},
        {"sfc_con_24temp.gif", "24 Hour Temperature Change Contour"},
        {"sfc_con_wchill.gif", "US Wind Chill Contour"},
        {"sfc_con_heat.gif", "US Heat Index Contour"},
        {"sfc_con_pres.gif", "US Pressure Contour"},
        {"sfc_con_dewp.gif", "US Dewpoint Contour"},
        {"temp_con_hi.gif", "US High Temperature contour"},
        {"temp_con_lo.gif", "US Low Temperature contour"},
    };
    for (int item = 0; item < 9; ++item) {
        const int entry = surfaceContourEntry(item);
        EXPECT_EQ(t.SurfaceURL[entry], sites::DataCompanySite() + "/surface/" + contours[item].first)
            << item;
        EXPECT_EQ(t.SurfaceTitle[entry], QString::fromUtf8(contours[item].second)) << item;
    }
}

TEST(MapUrlTables, NamedEntriesOfTheMixedTables)
{
    const MapUrlTables t = buildMapUrlTables();
    EXPECT_EQ(t.CurrentMapURL[CurrentMapCT1], sites::VisualisationSite() + "/CURRENTLY/images/TUS2D90.jpg");
    EXPECT_EQ(t.CurrentMapURL[CurrentMapCS2], sites::VisualisationSite() + "/SKYWATCH/images/IRUS2D.jpg");
    EXPECT_EQ(t.CurrentMapURL[CurrentMapFWeath],
              sites::TvNetworkSite() + "/images/maps/current/curwx_440x275.gif");
    EXPECT_EQ(t.CurrentMapURL[CurrentMapFTemp],
              sites::TvNetworkSite() + "/images/maps/current/acttemp_440x275.gif");
    EXPECT_EQ(t.CurrentMapURL[CurrentMapWCS], sites::TvNetworkSite() + "/images/sat/usvis_450x284.gif");

    // The United Kingdom picture comes from another site than the full disk.
    EXPECT_EQ(t.MeteosatURL[MeteosatUK], sites::UkMetSite() + "/satpics/latest_ir.jpg");
    EXPECT_NE(hostOf(t.MeteosatURL[MeteosatUK]), hostOf(t.MeteosatURL[MeteosatIR]));
    EXPECT_EQ(hostOf(t.MeteosatURL[MeteosatIR]), hostOf(t.MeteosatURL[MeteosatVisible]));

    EXPECT_EQ(t.AllergyURL[AllergyUvMapEntry], sites::NewsNetworkSite() + "/WEATHER/accu.data/uv.gif");

    EXPECT_EQ(t.ContinentForecastURL[ContinentNorthAmerica],
              sites::NewsNetworkSite() + "/WEATHER/cnn.data/namerica_forecast_2.jpg");
    EXPECT_EQ(t.ContinentSatURL[ContinentNorthAmerica],
              sites::NewsNetworkSite() + "/WEATHER/accu.data/ussat.gif");
    EXPECT_EQ(t.ContinentSatURL[ContinentAfrica], sites::NewsNetworkSite() + "/WEATHER/accu.data/afsat.gif");
    EXPECT_EQ(t.ContinentForecastURL[ContinentSouthAmerica],
              sites::NewsNetworkSite() + "/WEATHER/cnn.data/samerica_forecast.jpg");

    // Tables spread over several sites switch site at the stated entry.
    EXPECT_EQ(t.JetStreamURL[1], sites::ClimateResearchSite() + "/pix/mrf5.72hr.gif");
    EXPECT_EQ(t.JetStreamURL[2], sites::PrairieCampusSite() + "/mcidas/jet.gif");
    EXPECT_EQ(t.JetStreamURL[3], sites::ForecastCompanySite() + "/free/grafx/jsnh.GIF");
    EXPECT_EQ(t.CycloneURL[7], sites::IslandNewsSite() + "/News/localweather/nep.latest.gif");
    EXPECT_EQ(t.CycloneURL[8], sites::GoesImageSite() + "/GIFS/HUIR.JPG");
    EXPECT_EQ(t.SeaMapURL[1], sites::SpaceScienceSite() + "/data/comp/latest_cmoll.gif");
    EXPECT_EQ(t.SeaMapURL[2], sites::NavyOceanSite() + "/wam/gifs/glbl_swht_000.gif");
}

TEST(MapUrlTables, MenusIndexedDirectlyEndOnTheirLastItem)
{
    // The last entry of each directly indexed table is the last menu item's
    // picture, so a table shifted by one shows up here.
    const MapUrlTables t = buildMapUrlTables();
    EXPECT_TRUE(t.SevereURL[6].endsWith("/STORMWATCH/images/SWNW2D.gif"));
    EXPECT_TRUE(t.SurfMapURL[1].endsWith("/images/sat_sfc_map_loop.gif"));
    EXPECT_TRUE(t.FireURL[7].endsWith("/land/wfas/fourpanl.gif"));
    EXPECT_TRUE(t.FogURL[8].endsWith("/arad/fpdt/ltstfog/FOGAK.GIF"));
    EXPECT_TRUE(t.PlymouthURL[13].endsWith("/psc_usrad.gif"));
    EXPECT_TRUE(t.PlymouthAnimURL[6].endsWith("/mollsat_ir_an.gif"));
    EXPECT_TRUE(t.GoesEastURL[2].endsWith("/GIFS/ECWV.JPG"));
    EXPECT_TRUE(t.GoesWestURL[2].endsWith("/GIFS/WCWV.JPG"));
    EXPECT_TRUE(t.HawaiiURL[1].endsWith("/gifs/hawaii_vis.gif"));
    EXPECT_TRUE(t.ArcticURL[0].endsWith("/math-nat-fak/geomet/meteo/winfos/synNNWWarctis.gif"));
    EXPECT_TRUE(t.AntarcticURL[4].endsWith("/~amrc/AWSRS.GIF"));
    EXPECT_TRUE(t.QuakeURL[14].endsWith("/neis/gifs/pacific.gif"));
    EXPECT_TRUE(t.WorldSatAnimURL[8].endsWith("/custom-images/anim/sasat_450x284.gif"));
    EXPECT_TRUE(t.USSatAnimURL[8].endsWith("/custom-images/anim/hisat_450x284.gif"));
    EXPECT_TRUE(t.RadarAnimURL[1].endsWith("/custom-images/anim/natrad_756x484.gif"));
    EXPECT_TRUE(t.VolcanoURL[10].endsWith("/data/volcano/sabancaya.gif"));
    EXPECT_TRUE(t.GoesCompositeURL[5].endsWith("/goes-images/goes8vis.full.loop.gif"));
}

class MapUrlLoading : public SandboxTest {};

TEST_F(MapUrlLoading, TheMainWindowsLoadFillsItsCopy)
{
    installShipped("States_Cities.cvd");
    TrayIcons::instance().simulate(true);
    SoundPlayer::instance().listener = [](const QString&) {};
    ASSERT_TRUE(program().MapURLs.CycloneURL.isEmpty());
    const bool loaded = form1().Form_Load();
    SoundPlayer::instance().listener = nullptr;
    ASSERT_TRUE(loaded);
    const MapUrlTables& filled = program().MapURLs;
    const MapUrlTables built = buildMapUrlTables();
    for (const NamedTable& named : addressTables())
        EXPECT_EQ(filled.*(named.table), built.*(named.table)) << named.name;
    EXPECT_EQ(filled.SurfaceTitle, built.SurfaceTitle);
    EXPECT_EQ(filled.CompositeArg, built.CompositeArg);
    EXPECT_EQ(filled.MoonPhaseURL, built.MoonPhaseURL);
}

TEST_F(MapUrlLoading, TestsCanPointEverySiteAtOneLocalServer)
{
    const QString publicRoot = sites::CampusRadarSite();
    sites::redirectSites("http://127.0.0.1:8080");
    EXPECT_EQ(buildMapUrlTables().RadarMapURL[radarMapEntry(1)],
              "http://127.0.0.1:8080/CampusRadarSite/gif/rad_00.gif");
    sites::redirectSites(QString());
    EXPECT_EQ(sites::CampusRadarSite(), publicRoot);
}
