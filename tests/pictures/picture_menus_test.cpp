#include "pictures/picture_menus.h"

#include "picture_fixture.h"

#include <QAction>
#include <QLabel>
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

// Each name between a fixed head and tail: the paths on one site, the files
// of one folder, the codes in one file name.
QStringList coded(const QString& head, const QStringList& names, const QString& tail = {})
{
    QStringList result;
    for (const QString& name : names)
        result << head + name + tail;
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
        server.route("/WeatherPortalSite/weather/" + folder.toLatin1() + "/",
                     HttpReply::text("<img src=\"" + picture + "\">"));
        compositePaths << "/WeatherPortalSite" + picture;
    }

    // The paths are the catalogue's, written out here, so that a wrong
    // entry of the program's address tables shows.
    const PictureMenus& m = *form1().Catalogue;
    const QStringList regions = {"US", "AK", "NW", "SW", "NC", "SC", "NE", "SE"};
    const QString pireps = "/AviationDataSite/projects/adds/pireps/pireps_";
    const std::vector<Family> families = {
        {all(m.SolarDataX),
         coded("/SolarImageSite", {"/images/latest_sxt.gif", "/eit/images/latest_eit_171.gif",
                                   "/eit/images/latest_eit_195.gif", "/eit/images/latest_eit_284.gif",
                                   "/eit/images/latest_eit_304.gif"})
             + coded("/SolarMirrorSite/sun/images/", {"noaa_xrays.gif", "noaa_satenv.gif", "noaa_elec_3d.gif",
                                                      "noaa_mag_3d.gif", "noaa_kp_3d.gif", "noaa_proton_G8_3d.gif"})},
        {{m.Phase}, {"/ObservatorySite/cgi-bin/phase.gif"}, {"Moon Phase"}},
        {{m.IRE, m.VisE, m.WVE}, coded("/GoesImageSite/GIFS/", {"ECIR.JPG", "ECVS.JPG", "ECWV.JPG"}),
         {"Eastern US IR", "Eastern US Visible", "Eastern US Water Vapor"}},
        {{m.IRW, m.VisW, m.WVW}, coded("/GoesImageSite/GIFS/", {"WCIR.JPG", "WCVS.JPG", "WCWV.JPG"}),
         {"Western US IR", "Western US Visible", "Western US Water Vapor"}},
        {all(m.GOES10H), coded("/IslandCampusSite/gifs/", {"hawaii_ir.gif", "hawaii_vis.gif"}),
         {"Hawaii IR", "Hawaii Visible"}},
        {all(m.FogCloud),
         coded("/SatDataSite/arad/fpdt/ltstfog/", {"LTSTFG8.GIF", "LTSTFOGW.GIF", "LTSTFG8E.GIF", "LTSTFG8NC.GIF",
                                                   "LTSTFG8SE.GIF", "LTSTFG8SC.GIF", "LTSTFGSW.GIF", "LTSTFGNW.GIF",
                                                   "FOGAK.GIF"})},
        {{m.METir, m.METVi, m.METUK, m.METin5},
         {"/GoesImageSite/FULLDISK/GMIR.JPG", "/GoesImageSite/FULLDISK/GMVS.JPG", "/UkMetSite/satpics/latest_ir.jpg",
          "/SatStationSite/pdus/XI/latest.jpg"},
         {"Europe, Africa Full Disk IR", "Europe, Africa Full Disk Visible", "Europe, IR View", "METEOSAT 5"}},
        {all(m.CmpSat), compositePaths},
        {{m.AFMap[0], m.ASMap[0], m.AUMap[0], m.EUMap[0], m.NAMap[0], m.SAMap[0]},
         coded("/NewsNetworkSite/WEATHER/cnn.data/", {"africa_forecast.jpg", "asia_forecast.jpg",
                                                      "australia_forecast.jpg", "europe_forecast.jpg",
                                                      "namerica_forecast_2.jpg", "samerica_forecast.jpg"}),
         {"Africa Forecast Map", "Asia Forecast Map", "Australia Forecast Map", "Europe Forecast Map",
          "North America Forecast Map", "South America Forecast Map"}},
        {{m.AFMap[1], m.ASMap[1], m.AUMap[1], m.EUMap[1], m.NAMap[1], m.SAMap[1]},
         coded("/NewsNetworkSite/WEATHER/accu.data/",
               {"afsat.gif", "asiasat.gif", "aussat.gif", "eursat.gif", "ussat.gif", "samsat.gif"}),
         {"Africa Satellite", "Asia Satellite", "Australia Satellite", "Europe Satellite", "North America Satellite",
          "South America Satellite"}},
        {{m.RADM[1], m.RADM[2], m.RADM[3], m.RADM[4], m.RADM[5]},
         coded("/CampusRadarSite/gif/", {"rad_00.gif", "rad_01.gif"})
             + coded("/ClimateResearchSite/pix/", {"cent_precip.gif", "east_precip.gif", "west_precip.gif"}),
         {"Radar", "Radar", "Radar", "Radar", "Radar"}},
        {{m.CT1, m.CT2, m.CR1, m.CS2, m.FWeath, m.FTemp, m.WTFor, m.WRFor, m.WCS},
         coded("/VisualisationSite", {"/CURRENTLY/images/TUS2D90.jpg", "/CURRENTLY/images/DPUS2D90.jpg",
                                      "/SKYWATCH/images/RDUS2D.jpg", "/SKYWATCH/images/IRUS2D.jpg"})
             + coded("/TvNetworkSite/images/", {"maps/current/curwx_440x275.gif", "maps/current/acttemp_440x275.gif",
                                                "maps/forecast/pmfcst_440x275.gif", "maps/forecast/amfcst_440x275.gif",
                                                "sat/usvis_450x284.gif"}),
         {"Current US Temperatures", "Current US Dewpoints", "Current Radar", "Current Satellite", "Current Radar",
          "Current Temperatures", "Forecast", "Forecast", "Current Satellite"}},
        {all(m.SevWet),
         coded("/VisualisationSite/STORMWATCH/images/",
               {"SWUS2D.gif", "SWSC2D.gif", "SWSW2D.gif", "SWSE2D.gif", "SWNE2D.gif", "SWNC2D.gif", "SWNW2D.gif"}),
         {}, "Severe Weather ", {0, 1, 2, 3, 4, 5, 6}},
        {all(m.SatAni),
         coded("/TvNetworkSite/custom-images/anim/",
               {"ussat_450x284.gif", "ussat_756x484.gif", "westsat_450x284.gif", "northwest_sat_450x284.gif",
                "southwest_sat_450x284.gif", "central_sat_300x500.gif", "northeast_sat_450x284.gif",
                "southeast_sat_450x284.gif", "hisat_450x284.gif"}),
         {}, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {all(m.SatAniW),
         coded("/TvNetworkSite/custom-images/anim/",
               {"africasat_450x284.gif", "asiasat_450x284.gif", "aussiesat_450x284.gif", "canadasat_450x284.gif",
                "caribsat_450x284.gif", "europesat_450x284.gif", "mexsat_450x284.gif", "mideastsat_450x284.gif",
                "sasat_450x284.gif"}),
         {}, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {all(m.RadAni), coded("/TvNetworkSite/custom-images/anim/", {"natrad_450x284.gif", "natrad_756x484.gif"}), {},
         {}, {0, 1}},
        {all(m.SurfM), coded("/DataCompanySite/images/", {"sat_sfc_map.gif", "sat_sfc_map_loop.gif"}), {}, {}, {1}},
        {all(m.USContour),
         coded("/DataCompanySite/surface/", {"sfc_con_temp.gif", "sfc_con_temp_na.gif", "sfc_con_24temp.gif",
                                             "sfc_con_wchill.gif", "sfc_con_heat.gif", "sfc_con_pres.gif",
                                             "sfc_con_dewp.gif", "temp_con_hi.gif", "temp_con_lo.gif"}),
         {"US Temperature Contour Map", " North America Temperature Contour", "24 Hour Temperature Change Contour",
          "US Wind Chill Contour", "US Heat Index Contour", "US Pressure Contour", "US Dewpoint Contour",
          "US High Temperature contour", "US Low Temperature contour"}},
        {{m.RawPlot}, {"/DataCompanySite/surface/sfc_map.gif"}, {"Raw US Surface Plot"}},
        {all(m.WBMaps),
         coded("/ForecastCompanySite/free/", {"grafx/f24h.gif", "grafx/LTM2.GIF", "txtonmap/ftmpn000.gif",
                                              "txtonmap/fmxtn000.gif", "txtonmap/fmntn000.gif"})},
        {all(m.PlymouthA),
         coded("/CampusMeteoSite/", {"psc_ussat_an12.gif", "psc_usrad_an12.gif", "psc_satrad_an12.gif",
                                     "psc_ussat_an24.gif", "psc_usrad_an24.gif", "psc_satrad_an24.gif",
                                     "mollsat_ir_an.gif"}),
         {}, {}, {0, 1, 2, 3, 4, 5, 6}},
        {all(m.Plymouth),
         coded("/CampusMeteoSite/", {"mxtfcst1.gif", "mntfcst1.gif", "mxtfcst2.gif", "mntfcst2.gif", "ppfcst1.gif",
                                     "ppfcst2.gif", "ppfcst3.gif", "ppfcst4.gif", "mollsat_ir.gif", "psc_satrad.gif",
                                     "psc_usfront.gif", "psc_ussat.gif", "psc_ustemp.gif", "psc_usrad.gif"})},
        {all(m.ArcticD), {"/ArcticInstituteSite/math-nat-fak/geomet/meteo/winfos/synNNWWarctis.gif"},
         {"Latest Arctic Surface Plot"}},
        {all(m.AntarcticD),
         coded("/AntarcticCentreSite/~amrc/", {"GOPHER.GIF", "COMP.GIF", "AWSANT.GIF", "AWSPLT.GIF", "AWSRS.GIF"})},
        {all(m.ComSatMaps),
         coded("/MarineSchoolSite/goes-images/", {"goes8ir.gif", "goes8ir.loop.gif", "goes8ir.full.loop.gif",
                                                  "goes8vis.gif", "goes8vis.loop.gif", "goes8vis.full.loop.gif"}),
         {}, {}, {1, 2, 4, 5}},
        {all(m.JetStream),
         {"/ClimateResearchSite/pix/mrf5.48hr.gif", "/ClimateResearchSite/pix/mrf5.72hr.gif",
          "/PrairieCampusSite/mcidas/jet.gif", "/ForecastCompanySite/free/grafx/jsnh.GIF"},
         {"Jet Stream 48 Hrs (US & Canada)", "Jet Stream 72 Hrs (US & Canada)", "", ""}, {}, {2}},
        {all(m.SeaMap),
         coded("/SpaceScienceSite/data/", {"sst/latest_sst.gif", "comp/latest_cmoll.gif"})
             + coded("/NavyOceanSite/wam/gifs/", {"glbl_swht_000.gif", "natl_swht_000.gif", "satl_swht_000.gif",
                                                  "npac_swht_000.gif", "spac_swht_000.gif", "indo_swht_000.gif"}),
         {"Sea Surface Temperatures", "Land/Sea Temps & Clouds"}},
        {all(m.Fires),
         coded("/FireAssessmentSite/land/wfas/", {"fd_class.gif", "fd_cls_f.gif", "ws.gif", "rain.gif", "temp.gif",
                                                  "rh.gif", "dew_pt.gif", "fourpanl.gif"})},
        {all(m.Allergy),
         coded("/NewsNetworkSite/WEATHER/aller.data/", {"grasstoday.jpg", "moldtoday.jpg", "weedtoday.jpg"}),
         {"Grass Pollen", "Mold Spores", "Weed Pollen"}},
        {all(m.VulcanW),
         coded("/SpaceScienceSite/data/volcano/", {"korovin.gif", "klyuchev.gif", "etna.gif", "sakurajima.gif",
                                                   "popocat.gif", "montserrat.gif", "pacaya.gif", "peuet.gif",
                                                   "merapi.gif", "semeru.gif", "sabancaya.gif"}),
         {"Current Satellite - Korovin, Alaska", "Current Satellite - Klyuchevskoy Karymsky, Russia",
          "Current Satellite - Etna, Italy", "Current Satellite - Sakura-Jima, Japan",
          "Current Satellite - Popocatepetl, Central Mexico", "Current Satellite - Soufriere Hills, West Indies",
          "Current Satellite - Pacaya,Guatemala", "Current Satellite - Peuet Sague, Indonesia",
          "Current Satellite - Merapi, Indonesia", "Current Satellite - Semeru, Indonesia",
          "Current Satellite - Sabancaya, Peru"}},
        {all(m.Quakes),
         coded("/QuakeCentreSite/neis/gifs/", {"world.gif", "east_hem.gif", "west_hem.gif", "africa.gif", "alaska.gif",
                                               "asia.gif", "pacrim.gif", "canada.gif", "europe.gif", "japan.gif",
                                               "m_america.gif", "m_east.gif", "s_america.gif", "usa.gif",
                                               "pacific.gif"})},
        {all(m.PRIce), coded(pireps, regions, "_IC.gif"), {}, "Icing - "},
        {all(m.PRTurb), coded(pireps, regions, "_TB.gif"), {}, "Turbulence - "},
        {all(m.PRSkyC), coded(pireps, regions, "_SK.gif"), {}, "Sky Conditions - "},
        {all(m.PRWCond), coded(pireps, regions, "_WX.gif"), {}, "Weather Conditions - "},
        {all(m.CVWFs),
         coded("/AviationSite/awc/vvgraf/RUC_", {"01", "02", "03", "06", "09", "12"}, "_CNVPCPN.GIF"), {},
         "Convective Weather Forecast - "},
        {all(m.ACIcing), coded("/SatDataSite/arad/fpdt/ltsticg/", {"LTSTICG.GIF", "ICGCAN.GIF", "LTSTICG9.GIF"}), {},
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
        {all(m.Cyclone),
         coded("/IslandNewsSite/News/localweather/", {"wld.latest.gif", "nwp.latest.gif", "swp.latest.gif",
                                                      "nin.latest.gif", "sin.latest.gif", "atl.latest.gif",
                                                      "sep.latest.gif", "nep.latest.gif"})
             << "/GoesImageSite/GIFS/HUIR.JPG"},
    };

    int chosen = 0;
    for (const Family& family : families) {
        ASSERT_EQ(family.paths.size(), static_cast<qsizetype>(family.items.size()))
            << family.paths.value(0).toStdString();
        for (int i = 0; i < static_cast<int>(family.items.size()); ++i) {
            QAction* item = family.items[i];
            ASSERT_NE(item, nullptr);
            SCOPED_TRACE(item->text().toStdString());
            item->trigger();
            ++chosen;
            EXPECT_EQ(lastPath().toStdString(), family.paths[i].toStdString());
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
