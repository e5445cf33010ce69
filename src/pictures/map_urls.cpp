#include "pictures/map_urls.h"

#include "settings/source_addresses.h"
#include "settings/program_state.h"

#include <initializer_list>

namespace {

// Sets entries first, first + 1, ... of a table to root + folder + file,
// never past the table's end.
void place(QStringList& table, int first, const QString& root, const char* folder,
           std::initializer_list<const char*> files)
{
    const QString head = root + QLatin1String(folder);
    int i = first;
    for (const char* file : files) {
        if (i >= table.size())
            break; // a longer list is a slip in the literals below; never write past the end
        table[i++] = head + QLatin1String(file);
    }
}

QStringList sized(int count)
{
    return QStringList(count, QString());
}

} // namespace

int radarMapEntry(int item)
{
    switch (item) {
    case 1: return 6; // entire US, current
    case 2: return 7; // entire US, last hour
    case 3: return 3; // central US
    case 4: return 4; // eastern US
    case 5: return 5; // western US
    default: return -1;
    }
}

int surfaceContourEntry(int item)
{
    return item >= 0 && item <= 8 ? item + 2 : -1;
}

MapUrlTables buildMapUrlTables()
{
    using namespace sites;
    MapUrlTables t;

    t.RadarMapURL = sized(8);
    place(t.RadarMapURL, 3, ClimateResearchSite(), "/pix/",
          {"cent_precip.gif", "east_precip.gif", "west_precip.gif"});
    place(t.RadarMapURL, 6, CampusRadarSite(), "/gif/", {"rad_00.gif", "rad_01.gif"});

    t.CurrentMapURL = sized(9);
    place(t.CurrentMapURL, 0, VisualisationSite(), "/",
          {"CURRENTLY/images/TUS2D90.jpg", "CURRENTLY/images/DPUS2D90.jpg",
           "SKYWATCH/images/RDUS2D.jpg", "SKYWATCH/images/IRUS2D.jpg"});
    place(t.CurrentMapURL, 4, TvNetworkSite(), "/images/",
          {"maps/current/curwx_440x275.gif", "maps/current/acttemp_440x275.gif",
           "maps/forecast/pmfcst_440x275.gif", "maps/forecast/amfcst_440x275.gif",
           "sat/usvis_450x284.gif"});

    t.SevereURL = sized(7);
    place(t.SevereURL, 0, VisualisationSite(), "/STORMWATCH/images/",
          {"SWUS2D.gif", "SWSC2D.gif", "SWSW2D.gif", "SWSE2D.gif", "SWNE2D.gif", "SWNC2D.gif",
           "SWNW2D.gif"});

    t.SurfaceURL = sized(11);
    place(t.SurfaceURL, 1, DataCompanySite(), "/surface/",
          {"sfc_map.gif", "sfc_con_temp.gif", "sfc_con_temp_na.gif", "sfc_con_24temp.gif",
           "sfc_con_wchill.gif", "sfc_con_heat.gif", "sfc_con_pres.gif", "sfc_con_dewp.gif",
           "temp_con_hi.gif", "temp_con_lo.gif"});

    // Window titles of the contour maps; entry 3 keeps its leading blank and
    // the last two their small "c", as the windows have always been titled.
    t.SurfaceTitle = sized(11);
    t.SurfaceTitle[2] = QStringLiteral("US Temperature Contour Map");
    t.SurfaceTitle[3] = QStringLiteral(" North America Temperature Contour");
    t.SurfaceTitle[4] = QStringLiteral("24 Hour Temperature Change Contour");
    t.SurfaceTitle[5] = QStringLiteral("US Wind Chill Contour");
    t.SurfaceTitle[6] = QStringLiteral("US Heat Index Contour");
    t.SurfaceTitle[7] = QStringLiteral("US Pressure Contour");
    t.SurfaceTitle[8] = QStringLiteral("US Dewpoint Contour");
    t.SurfaceTitle[9] = QStringLiteral("US High Temperature contour");
    t.SurfaceTitle[10] = QStringLiteral("US Low Temperature contour");

    t.SurfMapURL = sized(3);
    place(t.SurfMapURL, 0, DataCompanySite(), "/images/",
          {"sat_sfc_map.gif", "sat_sfc_map_loop.gif"});

    t.FireURL = sized(8);
    place(t.FireURL, 0, FireAssessmentSite(), "/land/wfas/",
          {"fd_class.gif", "fd_cls_f.gif", "ws.gif", "rain.gif", "temp.gif", "rh.gif",
           "dew_pt.gif", "fourpanl.gif"});

    t.FogURL = sized(9);
    place(t.FogURL, 0, SatDataSite(), "/arad/fpdt/ltstfog/",
          {"LTSTFG8.GIF", "LTSTFOGW.GIF", "LTSTFG8E.GIF", "LTSTFG8NC.GIF", "LTSTFG8SE.GIF",
           "LTSTFG8SC.GIF", "LTSTFGSW.GIF", "LTSTFGNW.GIF", "FOGAK.GIF"});

    t.PlymouthURL = sized(14);
    place(t.PlymouthURL, 0, CampusMeteoSite(), "/",
          {"mxtfcst1.gif", "mntfcst1.gif", "mxtfcst2.gif", "mntfcst2.gif", "ppfcst1.gif",
           "ppfcst2.gif", "ppfcst3.gif", "ppfcst4.gif", "mollsat_ir.gif", "psc_satrad.gif",
           "psc_usfront.gif", "psc_ussat.gif", "psc_ustemp.gif", "psc_usrad.gif"});

    t.PlymouthAnimURL = sized(7);
    place(t.PlymouthAnimURL, 0, CampusMeteoSite(), "/",
          {"psc_ussat_an12.gif", "psc_usrad_an12.gif", "psc_satrad_an12.gif",
           "psc_ussat_an24.gif", "psc_usrad_an24.gif", "psc_satrad_an24.gif",
           "mollsat_ir_an.gif"});

    t.GoesEastURL = sized(3);
    place(t.GoesEastURL, 0, GoesImageSite(), "/GIFS/", {"ECIR.JPG", "ECVS.JPG", "ECWV.JPG"});

    t.GoesWestURL = sized(3);
    place(t.GoesWestURL, 0, GoesImageSite(), "/GIFS/", {"WCIR.JPG", "WCVS.JPG", "WCWV.JPG"});

    t.HawaiiURL = sized(2);
    place(t.HawaiiURL, 0, IslandCampusSite(), "/gifs/", {"hawaii_ir.gif", "hawaii_vis.gif"});

    t.MeteosatURL = sized(3);
    place(t.MeteosatURL, 0, GoesImageSite(), "/FULLDISK/", {"GMIR.JPG", "GMVS.JPG"});
    place(t.MeteosatURL, 2, UkMetSite(), "/satpics/", {"latest_ir.jpg"});

    t.ArcticURL = sized(1);
    place(t.ArcticURL, 0, ArcticInstituteSite(), "/math-nat-fak/geomet/meteo/winfos/",
          {"synNNWWarctis.gif"});

    t.AntarcticURL = sized(5);
    place(t.AntarcticURL, 0, AntarcticCentreSite(), "/~amrc/",
          {"GOPHER.GIF", "COMP.GIF", "AWSANT.GIF", "AWSPLT.GIF", "AWSRS.GIF"});

    t.JetStreamURL = sized(4);
    place(t.JetStreamURL, 0, ClimateResearchSite(), "/pix/", {"mrf5.48hr.gif", "mrf5.72hr.gif"});
    place(t.JetStreamURL, 2, PrairieCampusSite(), "/mcidas/", {"jet.gif"});
    place(t.JetStreamURL, 3, ForecastCompanySite(), "/free/grafx/", {"jsnh.GIF"});

    t.CycloneURL = sized(9);
    place(t.CycloneURL, 0, IslandNewsSite(), "/News/localweather/",
          {"wld.latest.gif", "nwp.latest.gif", "swp.latest.gif", "nin.latest.gif",
           "sin.latest.gif", "atl.latest.gif", "sep.latest.gif", "nep.latest.gif"});
    place(t.CycloneURL, 8, GoesImageSite(), "/GIFS/", {"HUIR.JPG"});

    t.ContinentForecastURL = sized(6);
    place(t.ContinentForecastURL, 0, NewsNetworkSite(), "/WEATHER/cnn.data/",
          {"africa_forecast.jpg", "asia_forecast.jpg", "australia_forecast.jpg",
           "europe_forecast.jpg", "namerica_forecast_2.jpg", "samerica_forecast.jpg"});

    t.ContinentSatURL = sized(6);
    place(t.ContinentSatURL, 0, NewsNetworkSite(), "/WEATHER/accu.data/",
          {"afsat.gif", "asiasat.gif", "aussat.gif", "eursat.gif", "ussat.gif", "samsat.gif"});

    t.AllergyURL = sized(4);
    place(t.AllergyURL, 0, NewsNetworkSite(), "/WEATHER/",
          {"aller.data/grasstoday.jpg", "aller.data/moldtoday.jpg", "aller.data/weedtoday.jpg",
           "accu.data/uv.gif"});

    t.SeaMapURL = sized(8);
    place(t.SeaMapURL, 0, SpaceScienceSite(), "/data/",
          {"sst/latest_sst.gif", "comp/latest_cmoll.gif"});
    place(t.SeaMapURL, 2, NavyOceanSite(), "/wam/gifs/",
          {"glbl_swht_000.gif", "natl_swht_000.gif", "satl_swht_000.gif", "npac_swht_000.gif",
           "spac_swht_000.gif", "indo_swht_000.gif"});

    // Page address, "@", and the text that starts the picture's path in that page.
    t.CompositeArg = sized(8);
    place(t.CompositeArg, 0, WeatherPortalSite(), "/weather/",
          {"intl/worldsat/@/weather/satellite/world+",
           "intl/hiausat/@/weather/satellite/hiausat+",
           "intl/hicansat/@/weather/satellite/hicansat+",
           "intl/hicbsat/@/weather/satellite/hicbsat+",
           "intl/hieusat/@/weather/satellite/hieusat+",
           "intl/hisasat/@/weather/satellite/hisasat+",
           "usa/hiatlsat/@/weather/satellite/hiatlsat+",
           "intl/hipacsat/@/weather/satellite/hipacsat+"});

    t.QuakeURL = sized(15);
    place(t.QuakeURL, 0, QuakeCentreSite(), "/neis/gifs/",
          {"world.gif", "east_hem.gif", "west_hem.gif", "africa.gif", "alaska.gif", "asia.gif",
           "pacrim.gif", "canada.gif", "europe.gif", "japan.gif", "m_america.gif", "m_east.gif",
           "s_america.gif", "usa.gif", "pacific.gif"});

    t.WorldSatAnimURL = sized(9);
    place(t.WorldSatAnimURL, 0, TvNetworkSite(), "/custom-images/anim/",
          {"africasat_450x284.gif", "asiasat_450x284.gif", "aussiesat_450x284.gif",
           "canadasat_450x284.gif", "caribsat_450x284.gif", "europesat_450x284.gif",
           "mexsat_450x284.gif", "mideastsat_450x284.gif", "sasat_450x284.gif"});

    t.USSatAnimURL = sized(9);
    place(t.USSatAnimURL, 0, TvNetworkSite(), "/custom-images/anim/",
          {"ussat_450x284.gif", "ussat_756x484.gif", "westsat_450x284.gif",
           "northwest_sat_450x284.gif", "southwest_sat_450x284.gif", "central_sat_300x500.gif",
           "northeast_sat_450x284.gif", "southeast_sat_450x284.gif", "hisat_450x284.gif"});

    t.RadarAnimURL = sized(2);
    place(t.RadarAnimURL, 0, TvNetworkSite(), "/custom-images/anim/",
          {"natrad_450x284.gif", "natrad_756x484.gif"});

    t.VolcanoURL = sized(11);
    place(t.VolcanoURL, 0, SpaceScienceSite(), "/data/volcano/",
          {"korovin.gif", "klyuchev.gif", "etna.gif", "sakurajima.gif", "popocat.gif",
           "montserrat.gif", "pacaya.gif", "peuet.gif", "merapi.gif", "semeru.gif",
           "sabancaya.gif"});

    t.GoesCompositeURL = sized(6);
    place(t.GoesCompositeURL, 0, MarineSchoolSite(), "/goes-images/",
          {"goes8ir.gif", "goes8ir.loop.gif", "goes8ir.full.loop.gif", "goes8vis.gif",
           "goes8vis.loop.gif", "goes8vis.full.loop.gif"});

    t.MoonPhaseURL = ObservatorySite() + QStringLiteral("/cgi-bin/phase.gif");
    return t;
}

void Load_Map_URLs()
{
    program().MapURLs = buildMapUrlTables();
}
