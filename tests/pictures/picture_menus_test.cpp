#include "pictures/picture_menus.h"

#include "picture_fixture.h"

#include <QAction>
#include <QLabel>
#include <QUrl>
#include <set>
#include <vector>

namespace {

// A family of menu items: the path each one must fetch, and its window's
// title (an empty title stands for the item's caption, after the prefix).
struct Family {
    std::vector<QAction*> items;
    QStringList paths;
    QStringList titles = {};
    QString prefix = {};
    std::set<int> animated = {};
};

template <std::size_t N>
std::vector<QAction*> all(const std::array<QAction*, N>& items)
{
    return {items.begin(), items.end()};
}

// The server paths of table entries.
QStringList paths(const QStringList& urls, int first = 0, int count = -1)
{
    QStringList result;
    for (const QString& url : urls.mid(first, count))
        result << QUrl(url).path();
    return result;
}

QStringList onSite(const QString& site, const QStringList& files)
{
    QStringList result;
    for (const QString& file : files)
        result << "/" + site + file;
    return result;
}

QStringList coded(const QString& head, const QStringList& codes, const QString& tail)
{
    QStringList result;
    for (const QString& code : codes)
        result << head + code + tail;
    return result;
}

} // namespace

TEST_F(PictureTest, EveryCatalogueItemFetchesItsPictureIntoAWindowWithItsTitle)
{
    // The composite satellite pages name their pictures after the marker.
    const QStringList composites = {"intl/worldsat", "intl/hiausat", "intl/hicansat", "intl/hicbsat",
                                    "intl/hieusat",  "intl/hisasat", "usa/hiatlsat",  "intl/hipacsat"};
    QStringList compositePaths;
    for (const QString& folder : composites) {
        const QString name = folder == "intl/worldsat" ? "world" : folder.section('/', 1);
        const QByteArray picture = "/weather/satellite/" + name.toLatin1() + "+now.gif";
        server.route("/weatherportalsite/weather/" + folder.toLatin1() + "/",
                     HttpReply::text("<img src=\"" + picture + "\">"));
        compositePaths << "/WeatherPortalSite" + picture;
    }

    const PictureMenus& m = *form1().Catalogue;
    const MapUrlTables& u = program().MapURLs;
    const QStringList regions = {"US", "AK", "NW", "SW", "NC", "SC", "NE", "SE"};
    const QString pireps = "/AviationDataSite/projects/adds/pireps/pireps_";
    const std::vector<Family> families = {
        {all(m.SolarDataX),
         onSite("SolarImageSite", {"/images/latest_sxt.gif", "/eit/images/latest_eit_171.gif",
                                   "/eit/images/latest_eit_195.gif", "/eit/images/latest_eit_284.gif",
                                   "/eit/images/latest_eit_304.gif"})
             + onSite("SolarMirrorSite", {"/sun/images/noaa_xrays.gif", "/sun/images/noaa_satenv.gif",
                                          "/sun/images/noaa_elec_3d.gif", "/sun/images/noaa_mag_3d.gif",
                                          "/sun/images/noaa_kp_3d.gif", "/sun/images/noaa_proton_G8_3d.gif"})},
        {{m.Phase}, paths({u.MoonPhaseURL}), {"Moon Phase"}},
        {{m.IRE, m.VisE, m.WVE}, paths(u.GoesEastURL), {"Eastern US IR", "Eastern US Visible", "Eastern US Water Vapor"}},
        {{m.IRW, m.VisW, m.WVW}, paths(u.GoesWestURL), {"Western US IR", "Western US Visible", "Western US Water Vapor"}},
        {all(m.GOES10H), paths(u.HawaiiURL), {"Hawaii IR", "Hawaii Visible"}},
        {all(m.FogCloud), paths(u.FogURL)},
        {{m.METir, m.METVi, m.METUK, m.METin5},
         paths(u.MeteosatURL) << "/SatStationSite/pdus/XI/latest.jpg",
         {"Europe, Africa Full Disk IR", "Europe, Africa Full Disk Visible", "Europe, IR View", "METEOSAT 5"}},
        {all(m.CmpSat), compositePaths},
        {{m.AFMap[0], m.ASMap[0], m.AUMap[0], m.EUMap[0], m.NAMap[0], m.SAMap[0]},
         paths(u.ContinentForecastURL),
         {"Africa Forecast Map", "Asia Forecast Map", "Australia Forecast Map", "Europe Forecast Map",
          "North America Forecast Map", "South America Forecast Map"}},
        {{m.AFMap[1], m.ASMap[1], m.AUMap[1], m.EUMap[1], m.NAMap[1], m.SAMap[1]},
         paths(u.ContinentSatURL),
         {"Africa Satellite", "Asia Satellite", "Australia Satellite", "Europe Satellite", "North America Satellite",
          "South America Satellite"}},
        {{m.RADM[1], m.RADM[2], m.RADM[3], m.RADM[4], m.RADM[5]},
         paths(u.RadarMapURL, 6) + paths(u.RadarMapURL, 3, 3), {"Radar", "Radar", "Radar", "Radar", "Radar"}},
        {{m.CT1, m.CT2, m.CR1, m.CS2, m.FWeath, m.FTemp, m.WTFor, m.WRFor, m.WCS},
         paths(u.CurrentMapURL),
         {"Current US Temperatures", "Current US Dewpoints", "Current Radar", "Current Satellite", "Current Radar",
          "Current Temperatures", "Forecast", "Forecast", "Current Satellite"}},
        {all(m.SevWet), paths(u.SevereURL), {}, "Severe Weather ", {0, 1, 2, 3, 4, 5, 6}},
        {all(m.SatAni), paths(u.USSatAnimURL), {}, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {all(m.SatAniW), paths(u.WorldSatAnimURL), {}, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {all(m.RadAni), paths(u.RadarAnimURL), {}, {}, {0, 1}},
        {all(m.SurfM), paths(u.SurfMapURL, 0, 2), {}, {}, {1}},
        {all(m.USContour), paths(u.SurfaceURL, 2), u.SurfaceTitle.mid(2)},
        {{m.RawPlot}, paths(u.SurfaceURL, 1, 1), {"Raw US Surface Plot"}},
        {all(m.WBMaps),
         onSite("ForecastCompanySite", {"/free/grafx/f24h.gif", "/free/grafx/LTM2.GIF", "/free/txtonmap/ftmpn000.gif",
                                        "/free/txtonmap/fmxtn000.gif", "/free/txtonmap/fmntn000.gif"})},
        {all(m.PlymouthA), paths(u.PlymouthAnimURL), {}, {}, {0, 1, 2, 3, 4, 5, 6}},
        {all(m.Plymouth), paths(u.PlymouthURL)},
        {all(m.ArcticD), paths(u.ArcticURL), {"Latest Arctic Surface Plot"}},
        {all(m.AntarcticD), paths(u.AntarcticURL)},
        {all(m.ComSatMaps), paths(u.GoesCompositeURL), {}, {}, {1, 2, 4, 5}},
        {all(m.JetStream), paths(u.JetStreamURL),
         {"Jet Stream 48 Hrs (US & Canada)", "Jet Stream 72 Hrs (US & Canada)", "", ""}, {}, {2}},
        {all(m.SeaMap), paths(u.SeaMapURL), {"Sea Surface Temperatures", "Land/Sea Temps & Clouds"}},
        {all(m.Fires), paths(u.FireURL)},
        {all(m.Allergy), paths(u.AllergyURL, 0, 3), {"Grass Pollen", "Mold Spores", "Weed Pollen"}},
        {all(m.VulcanW), paths(u.VolcanoURL),
         {"Current Satellite - Korovin, Alaska", "Current Satellite - Klyuchevskoy Karymsky, Russia",
          "Current Satellite - Etna, Italy", "Current Satellite - Sakura-Jima, Japan",
          "Current Satellite - Popocatepetl, Central Mexico", "Current Satellite - Soufriere Hills, West Indies",
          "Current Satellite - Pacaya,Guatemala", "Current Satellite - Peuet Sague, Indonesia",
          "Current Satellite - Merapi, Indonesia", "Current Satellite - Semeru, Indonesia",
          "Current Satellite - Sabancaya, Peru"}},
        {all(m.Quakes), paths(u.QuakeURL)},
        {all(m.PRIce), coded(pireps, regions, "_IC.gif"), {}, "Icing - "},
        {all(m.PRTurb), coded(pireps, regions, "_TB.gif"), {}, "Turbulence - "},
        {all(m.PRSkyC), coded(pireps, regions, "_SK.gif"), {}, "Sky Conditions - "},
        {all(m.PRWCond), coded(pireps, regions, "_WX.gif"), {}, "Weather Conditions - "},
        {all(m.CVWFs),
         coded("/AviationSite/awc/vvgraf/RUC_", {"01", "02", "03", "06", "09", "12"}, "_CNVPCPN.GIF"), {},
         "Convective Weather Forecast - "},
        {all(m.ACIcing),
         coded("/SatDataSite/arad/fpdt/ltsticg/", {"LTSTICG.GIF", "ICGCAN.GIF", "LTSTICG9.GIF"}, ""), {},
         "Aircraft Icing - "},
        {all(m.PFLevels),
         coded("/AviationDataSite/projects/adds/icing/ruc", {"00", "03", "06", "09", "12"}, "hr_lvl_frzg.gif"), {},
         "Freezing Level - "},
        {all(m.PCASig),
         coded("/AviationDataSite/projects/adds/airmets/airmets_", {"IC", "TB", "IF", "CB", "ALL"}, ".gif"), {},
         "Current Airmets/SIGMETs - "},
        {all(m.PltFltConds),
         coded("/AviationDataSite/projects/adds/metars/sfc_",
               {"ina", "pak", "lws", "wmc", "las", "cod", "den", "abq", "pir", "ict",
                "aus", "msp", "lit", "dtw", "evv", "mgm", "alb", "bwi", "clt", "tpa"},
               ".gif"),
         {}, "Flight Conditions - "},
        {all(m.Cyclone), paths(u.CycloneURL)},
    };

    int chosen = 0;
    for (const Family& family : families) {
        ASSERT_EQ(family.paths.size(), static_cast<qsizetype>(family.items.size())) << family.paths.value(0).toStdString();
        for (int i = 0; i < static_cast<int>(family.items.size()); ++i) {
            QAction* item = family.items[i];
            ASSERT_NE(item, nullptr);
            SCOPED_TRACE(item->text().toStdString());
            item->trigger();
            ++chosen;
            EXPECT_EQ(QString::fromLatin1(lastPath()), family.paths[i]);
            Form5* window = newest();
            ASSERT_NE(window, nullptr);
            ASSERT_TRUE(window->isVisible());
            const QString title = family.titles.value(i);
            EXPECT_EQ(window->windowTitle(), title.isEmpty() ? family.prefix + item->text() : title);
            EXPECT_EQ(window->TheAnimatorBox->isVisibleTo(window), family.animated.count(i) == 1);
            window->close();
        }
    }
    EXPECT_EQ(chosen, 273);
    EXPECT_TRUE(messages.empty());
    // Titles keep the captions' access-key markers.
    EXPECT_EQ(m.Cyclone[0]->text(), "&World Wide Tropical Cyclones");
}
