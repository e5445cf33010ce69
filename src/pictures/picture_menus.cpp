// The map and picture menus: their items and what each one fetches.
#include "pictures/picture_menus.h"

#include "pictures/picture_fetch.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"

#include <QAction>
#include <QMenu>
#include <optional>
#include <utility>

namespace {

using Fetch = void (*)(const QString& address, const QString& Title);

const MapUrlTables& urls()
{
    return program().MapURLs;
}

// The caption of item Index as stored ("&" markers included), or nothing
// when the array has no such item.
template <std::size_t N>
std::optional<QString> caption(const std::array<QAction*, N>& items, int Index)
{
    if (Index < 0 || Index >= static_cast<int>(N) || !items[Index])
        return std::nullopt;
    return items[Index]->text();
}

// Entry Index of a table, under the item's caption.
template <std::size_t N>
void tableUnderCaption(const std::array<QAction*, N>& items, int Index, const QStringList& table, Fetch fetch)
{
    if (const auto title = caption(items, Index))
        fetch(table.value(Index), *title);
}

// Entry Index of a table, under a title of its own.
template <std::size_t N>
void tableUnderTitle(const std::array<QAction*, N>& items, int Index, const QStringList& table,
                     const char* const (&titles)[N], Fetch fetch)
{
    if (caption(items, Index))
        fetch(table.value(Index), QString::fromUtf8(titles[Index]));
}

// An aviation data picture whose address is head, the item's code and tail,
// under the title prefix followed by the item's caption.
template <std::size_t N>
void codedPicture(const std::array<QAction*, N>& items, int Index, const QString& head,
                  const char* const (&codes)[N], const char* tail, const char* prefix)
{
    if (const auto title = caption(items, Index))
        Get_Picture(head + QLatin1String(codes[Index]) + QLatin1String(tail), QLatin1String(prefix) + *title);
}

template <std::size_t N>
void pilotReport(const std::array<QAction*, N>& items, int Index, const char* tail, const char* prefix)
{
    static const char* const regions[8] = {"US", "AK", "NW", "SW", "NC", "SC", "NE", "SE"};
    codedPicture(items, Index, sites::AviationDataSite() + QStringLiteral("/projects/adds/pireps/pireps_"), regions,
                 tail, prefix);
}

const char* const kRegions[8] = {"Entire U.S.",  "Alaska",       "NorthWest", "SouthWest",
                                 "NorthCentral", "SouthCentral", "NorthEast", "SouthEast"};

} // namespace

template <std::size_t N>
void PictureMenus::addItems(QMenu* menu, std::array<QAction*, N>& items, const char* const (&captions)[N],
                            ArrayHandler handler)
{
    for (std::size_t i = 0; i < N; ++i) {
        items[i] = menu->addAction(QString::fromUtf8(captions[i]));
        connect(items[i], &QAction::triggered, this, [this, handler, i] { (this->*handler)(static_cast<int>(i)); });
    }
}

QAction* PictureMenus::addItem(QMenu* menu, const char* caption, ItemHandler handler)
{
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return item;
}

// ---- Building the menus ----

void PictureMenus::addSkyItems(QMenu* TheSky)
{
    QMenu* SolarDx = TheSky->addMenu(QStringLiteral("Solar Data"));
    addItems(SolarDx, SolarDataX,
             {"Yohkoh Soft X-Rays", "SOHO 17.1nm X-Rays", "SOHO 19.5nm X-Rays", "SOHO 28.4nm X-Rays",
              "SOHO 30.4nm X-Rays", "X-Ray Flux", "Satellite Environment (combined)", "Electron Flux",
              "Magnetometer", "Estimated Kp Index", "GOES 8 Proton Flux"},
             &PictureMenus::SolarDataX_Click);
    EDANow = TheSky->addAction(QStringLiteral("Earth Daylight Area"));
    connect(EDANow, &QAction::triggered, this, [] { EDANow_Click(); });
    Phase = addItem(TheSky, "Show Moon Phase", &PictureMenus::Phase_Click);
}

void PictureMenus::buildGoes(QMenu* menu)
{
    QMenu* GOES8 = menu->addMenu(QStringLiteral("GOES 8 (Eastern US)"));
    IRE = addItem(GOES8, "IR Eastern US", &PictureMenus::IRE_Click);
    VisE = addItem(GOES8, "Visible Eastern US", &PictureMenus::VisE_Click);
    WVE = addItem(GOES8, "Water Vapor Eastern US", &PictureMenus::WVE_Click);
    QMenu* GOES9 = menu->addMenu(QStringLiteral("GOES 10 (Western US)"));
    IRW = addItem(GOES9, "IR Western US", &PictureMenus::IRW_Click);
    VisW = addItem(GOES9, "Visible Western US", &PictureMenus::VisW_Click);
    WVW = addItem(GOES9, "Water Vapor Western US", &PictureMenus::WVW_Click);
    QMenu* GOES10 = menu->addMenu(QStringLiteral("GOES 10 (Hawaii)"));
    addItems(GOES10, GOES10H, {"Hawaii (IR)", "Hawaii (Vis)"}, &PictureMenus::GOES10H_Click);
    QMenu* Blankie0 = menu->addMenu(QStringLiteral("GOES Fog/Low Cloud Images"));
    addItems(Blankie0, FogCloud,
             {"Continental U.S.", "Western U.S./Alaska (GOES-10)", "Northeast U.S./Southeast Canada (GOES-8)",
              "North Central U.S. (GOES-8)", "Southeast U.S. (GOES-8)", "South Central U.S. (GOES-8)",
              "Southwest U.S. (GOES-10)", "Pacific Northwest (GOES-10)", "Alaska (GOES-10)"},
             &PictureMenus::FogCloud_Click);
}

void PictureMenus::buildMeteosat(QMenu* menu)
{
    METUK = addItem(menu, "United Kingdom", &PictureMenus::METUK_Click);
    METir = addItem(menu, "METEOSAT IR", &PictureMenus::METir_Click);
    METVi = addItem(menu, "METEOSAT Visible", &PictureMenus::METVi_Click);
    METin5 = addItem(menu, "METEOSAT 5", &PictureMenus::METin5_Click);
}

void PictureMenus::buildCompositeSatellites(QMenu* menu)
{
    addItems(menu, CmpSat,
             {"World Satellite", "Australia Satellite", "Canadian Satellite", "Caribbean Satellite",
              "European Satellite", "South American Satellite", "U.S. Atlantic Satellite", "U.S. Pacific Satellite"},
             &PictureMenus::CmpSat_Click);
}

void PictureMenus::buildContinents(QMenu* menu)
{
    const std::pair<const char*, std::pair<std::array<QAction*, 2>*, ArrayHandler>> continents[] = {
        {"Africa", {&AFMap, &PictureMenus::AFMap_Click}},
        {"Asia", {&ASMap, &PictureMenus::ASMap_Click}},
        {"Australia", {&AUMap, &PictureMenus::AUMap_Click}},
        {"Europe", {&EUMap, &PictureMenus::EUMap_Click}},
        {"North America", {&NAMap, &PictureMenus::NAMap_Click}},
        {"South America", {&SAMap, &PictureMenus::SAMap_Click}},
    };
    for (const auto& [name, items] : continents)
        addItems(menu->addMenu(QLatin1String(name)), *items.first, {"Forecast Map", "Satellite Map"}, items.second);
}

void PictureMenus::buildRadar(QMenu* menu)
{
    const char* const captions[] = {"Entire US (Current)", "Entire US (Last Hour)", "Central US", "Eastern US",
                                    "Western US"};
    for (int i = 1; i <= 5; ++i) {
        RADM[i] = menu->addAction(QLatin1String(captions[i - 1]));
        connect(RADM[i], &QAction::triggered, this, [this, i] { RADM_Click(i); });
    }
}

void PictureMenus::buildEarthwatch(QMenu* menu)
{
    CT1 = addItem(menu, "Current Temperatures", &PictureMenus::CT1_Click);
    CT2 = addItem(menu, "Current Dewpoints", &PictureMenus::CT2_Click);
    CR1 = addItem(menu, "Current Radar", &PictureMenus::CR1_Click);
    CS2 = addItem(menu, "Current Satellite", &PictureMenus::CS2_Click);
    QMenu* SevWea = menu->addMenu(QStringLiteral("Severe Weather"));
    addItems(SevWea, SevWet,
             {"Entire U.S.", "South Central", "South West", "South East", "North East", "North Central", "North West"},
             &PictureMenus::SevWet_Click);
}

void PictureMenus::buildWeatherChannel(QMenu* menu)
{
    WCS = addItem(menu, "Current Satellite", &PictureMenus::WCS_Click);
    QMenu* SatA = menu->addMenu(QStringLiteral("US Satellite Animation"));
    addItems(SatA, SatAni,
             {"US Infrared (small)", "US Infrared (large)", "West Coast", "Northwest", "Southwest", "Central",
              "Northeast", "Southeast", "Hawaii"},
             &PictureMenus::SatAni_Click);
    QMenu* WldSAni = menu->addMenu(QStringLiteral("World Satellite Animation"));
    addItems(WldSAni, SatAniW,
             {"Africa", "Asia", "Australia", "Canada", "Caribbean", "Europe", "Mexico", "Middle East",
              "South America"},
             &PictureMenus::SatAniW_Click);
    FTemp = addItem(menu, "Current Temperatures", &PictureMenus::FTemp_Click);
    FWeath = addItem(menu, "Current Radar", &PictureMenus::FWeath_Click);
    QMenu* RadA = menu->addMenu(QStringLiteral("Radar Animation"));
    addItems(RadA, RadAni, {"US Radar (small)", "US Radar (large)"}, &PictureMenus::RadAni_Click);
    WTFor = addItem(menu, "Forcast Today/Evening", &PictureMenus::WTFor_Click);
    WRFor = addItem(menu, "Forecast Tomorrow", &PictureMenus::WRFor_Click);
}

void PictureMenus::buildUnisys(QMenu* menu)
{
    addItems(menu, SurfM, {"Surface Map (Current)", "Surface Map (Animated)"}, &PictureMenus::SurfM_Click);
    addItems(menu, USContour,
             {"US Temperature Contour Map", "North America Temperature Contour", "24 Hour Temperature Change Contour",
              "US Wind Chill Contour", "US Heat Index Contour", "US Pressure Contour", "US Dewpoint Contour",
              "US High Temperature Contour", "US Low Temperature Contour"},
             &PictureMenus::USContour_Click);
    RawPlot = addItem(menu, "Raw US Surface Plot", &PictureMenus::RawPlot_Click);
}

void PictureMenus::buildWeatherBank(QMenu* menu)
{
    addItems(menu, WBMaps,
             {"Forecast Tomorrow (US)", "Temperature Tomorrow (US)", "Current Temperatures (US)",
              "Highest Temperature Today (US)", "Lowest Temperature Today (US)"},
             &PictureMenus::WBMaps_Click);
}

void PictureMenus::buildPlymouth(QMenu* menu)
{
    QMenu* PAnimateM = menu->addMenu(QStringLiteral("Animated Maps"));
    addItems(PAnimateM, PlymouthA,
             {"12 HR US IR Sat", "12 HR US Radar", "12 HR Sat/Rad/Watch", "24 HR US IR Sat", "24 HR US Radar",
              "24 HR Sat/Rad/Watch", "72 HR Global Composite"},
             &PictureMenus::PlymouthA_Click);
    addItems(menu, Plymouth,
             {"Max Temp (24 hr)", "Min Temp (24 hr)", "Max Temp (36 hr)", "Min Temp (36 hr)",
              "Precipitation Day (24 hr)", "Precipitation Night (24 Hr)", "Precipitation Day (36 hr)",
              "Precipitation Night (36 hr)", "Global IR Sat Composite", "U.S. Satellite/Radar",
              "U.S. Pressure/Fronts", "U.S. Satellite", "U.S. Surface Temps", "U.S. Radar"},
             &PictureMenus::Plymouth_Click);
}

void PictureMenus::buildPolar(QMenu* menu)
{
    QMenu* ArcMenu = menu->addMenu(QStringLiteral("Arctic Weather"));
    addItems(ArcMenu, ArcticD, {"Latest Arctic Surface Plot"}, &PictureMenus::ArcticD_Click);
    QMenu* AntArcM = menu->addMenu(QStringLiteral("Antarctic Weather"));
    addItems(AntArcM, AntarcticD,
             {"Colorized Sat View", "B/W Composite Sat View", "Current Temperatures (1)",
              "Current Temperatures Ross Ice Shelf", "Current Temp/P/WS/D/RH Ross Ice Shelf"},
             &PictureMenus::AntarcticD_Click);
}

void PictureMenus::buildGoesComposites(QMenu* menu)
{
    addItems(menu, ComSatMaps,
             {"US IR Composite (GOES 8)", "US IR 320x240 (Animation)", "US IR 640x480 (Animation)",
              "US Visible Composite (GOES 8)", "US Visible 320x240 (Animation)", "US Visible 640x480 (Animation)"},
             &PictureMenus::ComSatMaps_Click);
}

void PictureMenus::buildJetStream(QMenu* menu)
{
    addItems(menu, JetStream,
             {"Jet Stream 48 Hrs (US && Canada)", "Jet Stream 72 Hrs (US && Canada)", "Jet Stream (Animated)",
              "Jet Stream (Current/Forecast)"},
             &PictureMenus::JetStream_Click);
}

void PictureMenus::buildOcean(QMenu* menu)
{
    addItems(menu, SeaMap,
             {"Sea Surface Temperatures", "Land/Sea Temps && Clouds", "Global Wave Height Map",
              "North Atlantic Wave Height Map", "South Atlantic Wave Height Map", "North Pacific Wave Height Map",
              "South Pacific Wave Height Map", "Indian Ocean Wave Height Map"},
             &PictureMenus::SeaMap_Click);
}

void PictureMenus::buildFires(QMenu* menu)
{
    addItems(menu, Fires,
             {"US Fire Danger (Current)", "US Fire Danger (Forecast)", "10 Minute Average Wind Speed",
              "24-Hour Rain Total", "Temperature", "Relative Humidity", "Dew Point",
              "Wind, Rain, Temperature, Humidity"},
             &PictureMenus::Fires_Click);
}

void PictureMenus::buildAllergy(QMenu* menu)
{
    addItems(menu, Allergy, {"Grass Pollen", "Mold Spores", "Weed Pollen"}, &PictureMenus::Allergy_Click);
}

void PictureMenus::buildVolcanoes(QMenu* menu)
{
    addItems(menu, VulcanW,
             {"Korovin, Alaska", "Klyuchevskoy Karymsky, Russia", "Etna, Italy", "Sakura-Jima, Japan",
              "Popocatepetl, Central Mexico", "Soufriere Hills, West Indies", "Pacaya, Guatemala",
              "Peuet Sague, Indonesia", "Merapi, Indonesia", "Semeru, Indonesia", "Sabancaya, Peru"},
             &PictureMenus::VulcanW_Click);
}

void PictureMenus::buildQuakes(QMenu* menu)
{
    addItems(menu, Quakes,
             {"World Wide", "Eastern Hemisphere", "Western Hemisphere", "Africa", "Alaska", "Asia", "Australia",
              "Canada", "Europe", "Japan", "Mexico", "Middle East", "South America", "United States",
              "Western Pacific Ocean"},
             &PictureMenus::Quakes_Click);
}

void PictureMenus::fillPilotMenu(QMenu* PltWt)
{
    QMenu* PltRps = PltWt->addMenu(QStringLiteral("Pilot Reports"));
    addItems(PltRps->addMenu(QStringLiteral("Icing")), PRIce, kRegions, &PictureMenus::PRIce_Click);
    addItems(PltRps->addMenu(QStringLiteral("Turbulence")), PRTurb, kRegions, &PictureMenus::PRTurb_Click);
    addItems(PltRps->addMenu(QStringLiteral("Sky Conditions")), PRSkyC, kRegions, &PictureMenus::PRSkyC_Click);
    addItems(PltRps->addMenu(QStringLiteral("Weather Conditions")), PRWCond, kRegions,
             &PictureMenus::PRWCond_Click);

    QMenu* JustABlank3 = PltWt->addMenu(QStringLiteral("Aviation Maps"));
    addItems(JustABlank3->addMenu(QStringLiteral("Convective Weather Forecasts")), CVWFs,
             {"1 Hour", "2 Hour", "3 hour", "6 Hour", "9 Hour", "12 Hour"}, &PictureMenus::CVWFs_Click);
    addItems(JustABlank3->addMenu(QStringLiteral("Aircraft Icing")), ACIcing,
             {"Continental U.S.", "Canadian Maritimes", "Western U.S./Alaska"}, &PictureMenus::ACIcing_Click);
    addItems(PltWt->addMenu(QStringLiteral("Freezing Level")), PFLevels,
             {"0 - Hour", "3 - Hour", "6 - Hour", "9 - Hour", "12 - Hour"}, &PictureMenus::PFLevels_Click);
    addItems(PltWt->addMenu(QStringLiteral("Current Airmets/Sigmets")), PCASig,
             {"Icing", "Turbulence", "IFR/Mtn. Obscr.", "Convective SIGMETs", "All (Combined)"},
             &PictureMenus::PCASig_Click);
    addItems(PltWt->addMenu(QStringLiteral("Flight Conditions - IFR/MVFR/VFR")), PltFltConds,
             {"Continental U.S.", "PAK", "LWS", "WMC", "LAS", "COD", "DEN", "ABQ", "PIR", "ICT",
              "AUS", "MSP", "LIT", "DTW", "EVV", "MGM", "ALB", "BWI", "CLT", "TPA"},
             &PictureMenus::PltFltConds_Click);
}

void PictureMenus::addCycloneItems(QMenu* mnuTropical)
{
    addItems(mnuTropical, Cyclone,
             {"&World Wide Tropical Cyclones", "&NW Pacific Tropical Cyclones", "&SW Pacific Tropical Cyclones",
              "N &Indian Tropical Cyclones", "S I&ndian Tropical Cyclones", "&Atlantic Tropical Cyclones",
              "S&E Pacific Tropical Cyclones", "NE &Pacific Tropical Cyclones", "Atlantic H&urricane Alley"},
             &PictureMenus::Cyclone_Click);
}

// ---- The handlers ----

void PictureMenus::SolarDataX_Click(int Index)
{
    static const char* const files[11] = {
        "/images/latest_sxt.gif",          "/eit/images/latest_eit_171.gif",  "/eit/images/latest_eit_195.gif",
        "/eit/images/latest_eit_284.gif",  "/eit/images/latest_eit_304.gif",  "/sun/images/noaa_xrays.gif",
        "/sun/images/noaa_satenv.gif",     "/sun/images/noaa_elec_3d.gif",    "/sun/images/noaa_mag_3d.gif",
        "/sun/images/noaa_kp_3d.gif",      "/sun/images/noaa_proton_G8_3d.gif"};
    if (const auto title = caption(SolarDataX, Index)) {
        const QString root = Index <= 4 ? sites::SolarImageSite() : sites::SolarMirrorSite();
        Get_Picture(root + QLatin1String(files[Index]), *title);
    }
}

void PictureMenus::Phase_Click() { Get_Picture(urls().MoonPhaseURL, QStringLiteral("Moon Phase")); }

void PictureMenus::IRE_Click() { Get_Picture(urls().GoesEastURL.value(0), QStringLiteral("Eastern US IR")); }
void PictureMenus::VisE_Click() { Get_Picture(urls().GoesEastURL.value(1), QStringLiteral("Eastern US Visible")); }
void PictureMenus::WVE_Click() { Get_Picture(urls().GoesEastURL.value(2), QStringLiteral("Eastern US Water Vapor")); }
void PictureMenus::IRW_Click() { Get_Picture(urls().GoesWestURL.value(0), QStringLiteral("Western US IR")); }
void PictureMenus::VisW_Click() { Get_Picture(urls().GoesWestURL.value(1), QStringLiteral("Western US Visible")); }
void PictureMenus::WVW_Click() { Get_Picture(urls().GoesWestURL.value(2), QStringLiteral("Western US Water Vapor")); }

void PictureMenus::GOES10H_Click(int Index)
{
    tableUnderTitle(GOES10H, Index, urls().HawaiiURL, {"Hawaii IR", "Hawaii Visible"}, Get_Picture);
}

void PictureMenus::FogCloud_Click(int Index) { tableUnderCaption(FogCloud, Index, urls().FogURL, Get_Picture); }

void PictureMenus::METir_Click()
{
    Get_Picture(urls().MeteosatURL.value(MeteosatIR), QStringLiteral("Europe, Africa Full Disk IR"));
}

void PictureMenus::METVi_Click()
{
    Get_Picture(urls().MeteosatURL.value(MeteosatVisible), QStringLiteral("Europe, Africa Full Disk Visible"));
}

void PictureMenus::METUK_Click() { Get_Picture(urls().MeteosatURL.value(MeteosatUK), QStringLiteral("Europe, IR View")); }

void PictureMenus::METin5_Click()
{
    Get_Picture(sites::SatStationSite() + QStringLiteral("/pdus/XI/latest.jpg"), METin5->text());
}

void PictureMenus::CmpSat_Click(int Index) { tableUnderCaption(CmpSat, Index, urls().CompositeArg, Get_Composite_Map); }

void PictureMenus::continentMap(int continent, int Index)
{
    static const char* const names[6] = {"Africa", "Asia", "Australia", "Europe", "North America", "South America"};
    const QString name = QLatin1String(names[continent]);
    if (Index == 0)
        Get_Picture(urls().ContinentForecastURL.value(continent), name + QStringLiteral(" Forecast Map"));
    else if (Index == 1)
        Get_Picture(urls().ContinentSatURL.value(continent), name + QStringLiteral(" Satellite"));
}

void PictureMenus::AFMap_Click(int Index) { continentMap(ContinentAfrica, Index); }
void PictureMenus::ASMap_Click(int Index) { continentMap(ContinentAsia, Index); }
void PictureMenus::AUMap_Click(int Index) { continentMap(ContinentAustralia, Index); }
void PictureMenus::EUMap_Click(int Index) { continentMap(ContinentEurope, Index); }
void PictureMenus::NAMap_Click(int Index) { continentMap(ContinentNorthAmerica, Index); }
void PictureMenus::SAMap_Click(int Index) { continentMap(ContinentSouthAmerica, Index); }

void PictureMenus::RADM_Click(int Index)
{
    const int entry = radarMapEntry(Index);
    if (entry >= 0)
        Get_Picture(urls().RadarMapURL.value(entry), QStringLiteral("Radar"));
}

void PictureMenus::CT1_Click()
{
    Get_Picture(urls().CurrentMapURL.value(CurrentMapCT1), QStringLiteral("Current US Temperatures"));
}

void PictureMenus::CT2_Click()
{
    Get_Picture(urls().CurrentMapURL.value(CurrentMapCT2), QStringLiteral("Current US Dewpoints"));
}

void PictureMenus::CR1_Click() { Get_Picture(urls().CurrentMapURL.value(CurrentMapCR1), QStringLiteral("Current Radar")); }
void PictureMenus::CS2_Click() { Get_Picture(urls().CurrentMapURL.value(CurrentMapCS2), QStringLiteral("Current Satellite")); }

void PictureMenus::SevWet_Click(int Index)
{
    if (const auto title = caption(SevWet, Index))
        Get_Animation(urls().SevereURL.value(Index), QStringLiteral("Severe Weather ") + *title);
}

void PictureMenus::WCS_Click() { Get_Picture(urls().CurrentMapURL.value(CurrentMapWCS), QStringLiteral("Current Satellite")); }
void PictureMenus::SatAni_Click(int Index) { tableUnderCaption(SatAni, Index, urls().USSatAnimURL, Get_Animation); }
void PictureMenus::SatAniW_Click(int Index) { tableUnderCaption(SatAniW, Index, urls().WorldSatAnimURL, Get_Animation); }

void PictureMenus::FTemp_Click()
{
    Get_Picture(urls().CurrentMapURL.value(CurrentMapFTemp), QStringLiteral("Current Temperatures"));
}

void PictureMenus::FWeath_Click() { Get_Picture(urls().CurrentMapURL.value(CurrentMapFWeath), QStringLiteral("Current Radar")); }
void PictureMenus::RadAni_Click(int Index) { tableUnderCaption(RadAni, Index, urls().RadarAnimURL, Get_Animation); }
void PictureMenus::WTFor_Click() { Get_Picture(urls().CurrentMapURL.value(CurrentMapWTFor), QStringLiteral("Forecast")); }
void PictureMenus::WRFor_Click() { Get_Picture(urls().CurrentMapURL.value(CurrentMapWRFor), QStringLiteral("Forecast")); }

void PictureMenus::SurfM_Click(int Index)
{
    tableUnderCaption(SurfM, Index, urls().SurfMapURL, Index == 1 ? Get_Animation : Get_Picture);
}

void PictureMenus::USContour_Click(int Index)
{
    const int entry = surfaceContourEntry(Index);
    if (entry >= 0)
        Get_Picture(urls().SurfaceURL.value(entry), urls().SurfaceTitle.value(entry));
}

void PictureMenus::RawPlot_Click()
{
    Get_Picture(urls().SurfaceURL.value(SurfaceRawPlotEntry), QStringLiteral("Raw US Surface Plot"));
}

void PictureMenus::WBMaps_Click(int Index)
{
    static const char* const files[5] = {"/free/grafx/f24h.gif", "/free/grafx/LTM2.GIF", "/free/txtonmap/ftmpn000.gif",
                                         "/free/txtonmap/fmxtn000.gif", "/free/txtonmap/fmntn000.gif"};
    if (const auto title = caption(WBMaps, Index))
        Get_Picture(sites::ForecastCompanySite() + QLatin1String(files[Index]), *title);
}

void PictureMenus::PlymouthA_Click(int Index) { tableUnderCaption(PlymouthA, Index, urls().PlymouthAnimURL, Get_Animation); }
void PictureMenus::Plymouth_Click(int Index) { tableUnderCaption(Plymouth, Index, urls().PlymouthURL, Get_Picture); }

void PictureMenus::ArcticD_Click(int Index)
{
    tableUnderTitle(ArcticD, Index, urls().ArcticURL, {"Latest Arctic Surface Plot"}, Get_Picture);
}

void PictureMenus::AntarcticD_Click(int Index)
{
    tableUnderTitle(AntarcticD, Index, urls().AntarcticURL,
                    {"Colorized Sat View", "B/W Composite Sat View", "Current Temperatures (1)",
                     "Current Temperatures Ross Ice Shelf", "Current Temp/P/WS/D/RH Ross Ice Shelf"},
                    Get_Picture);
}

void PictureMenus::ComSatMaps_Click(int Index)
{
    const bool still = Index == 0 || Index == 3;
    tableUnderCaption(ComSatMaps, Index, urls().GoesCompositeURL, still ? Get_Picture : Get_Animation);
}

void PictureMenus::JetStream_Click(int Index)
{
    const Fetch fetch = Index == 2 ? Get_Animation : Get_Picture;
    if (Index == 0)
        fetch(urls().JetStreamURL.value(0), QStringLiteral("Jet Stream 48 Hrs (US & Canada)"));
    else if (Index == 1)
        fetch(urls().JetStreamURL.value(1), QStringLiteral("Jet Stream 72 Hrs (US & Canada)"));
    else
        tableUnderCaption(JetStream, Index, urls().JetStreamURL, fetch);
}

void PictureMenus::SeaMap_Click(int Index)
{
    if (Index == 0)
        Get_Picture(urls().SeaMapURL.value(0), QStringLiteral("Sea Surface Temperatures"));
    else if (Index == 1)
        Get_Picture(urls().SeaMapURL.value(1), QStringLiteral("Land/Sea Temps & Clouds"));
    else
        tableUnderCaption(SeaMap, Index, urls().SeaMapURL, Get_Picture);
}

void PictureMenus::Fires_Click(int Index) { tableUnderCaption(Fires, Index, urls().FireURL, Get_Picture); }

void PictureMenus::Allergy_Click(int Index)
{
    tableUnderTitle(Allergy, Index, urls().AllergyURL, {"Grass Pollen", "Mold Spores", "Weed Pollen"}, Get_Picture);
}

void PictureMenus::VulcanW_Click(int Index)
{
    tableUnderTitle(VulcanW, Index, urls().VolcanoURL,
                    {"Current Satellite - Korovin, Alaska", "Current Satellite - Klyuchevskoy Karymsky, Russia",
                     "Current Satellite - Etna, Italy", "Current Satellite - Sakura-Jima, Japan",
                     "Current Satellite - Popocatepetl, Central Mexico",
                     "Current Satellite - Soufriere Hills, West Indies", "Current Satellite - Pacaya,Guatemala",
                     "Current Satellite - Peuet Sague, Indonesia", "Current Satellite - Merapi, Indonesia",
                     "Current Satellite - Semeru, Indonesia", "Current Satellite - Sabancaya, Peru"},
                    Get_Picture);
}

void PictureMenus::Quakes_Click(int Index) { tableUnderCaption(Quakes, Index, urls().QuakeURL, Get_Picture); }

void PictureMenus::PRIce_Click(int Index) { pilotReport(PRIce, Index, "_IC.gif", "Icing - "); }
void PictureMenus::PRTurb_Click(int Index) { pilotReport(PRTurb, Index, "_TB.gif", "Turbulence - "); }
void PictureMenus::PRSkyC_Click(int Index) { pilotReport(PRSkyC, Index, "_SK.gif", "Sky Conditions - "); }
void PictureMenus::PRWCond_Click(int Index) { pilotReport(PRWCond, Index, "_WX.gif", "Weather Conditions - "); }

void PictureMenus::CVWFs_Click(int Index)
{
    static const char* const hours[6] = {"01", "02", "03", "06", "09", "12"};
    codedPicture(CVWFs, Index, sites::AviationSite() + QStringLiteral("/awc/vvgraf/RUC_"), hours, "_CNVPCPN.GIF",
                 "Convective Weather Forecast - ");
}

void PictureMenus::ACIcing_Click(int Index)
{
    static const char* const files[3] = {"LTSTICG.GIF", "ICGCAN.GIF", "LTSTICG9.GIF"};
    codedPicture(ACIcing, Index, sites::SatDataSite() + QStringLiteral("/arad/fpdt/ltsticg/"), files, "",
                 "Aircraft Icing - ");
}

void PictureMenus::PFLevels_Click(int Index)
{
    static const char* const hours[5] = {"00", "03", "06", "09", "12"};
    codedPicture(PFLevels, Index, sites::AviationDataSite() + QStringLiteral("/projects/adds/icing/ruc"), hours,
                 "hr_lvl_frzg.gif", "Freezing Level - ");
}

void PictureMenus::PCASig_Click(int Index)
{
    static const char* const kinds[5] = {"IC", "TB", "IF", "CB", "ALL"};
    codedPicture(PCASig, Index, sites::AviationDataSite() + QStringLiteral("/projects/adds/airmets/airmets_"), kinds,
                 ".gif", "Current Airmets/SIGMETs - ");
}

void PictureMenus::PltFltConds_Click(int Index)
{
    static const char* const areas[20] = {"ina", "pak", "lws", "wmc", "las", "cod", "den", "abq", "pir", "ict",
                                          "aus", "msp", "lit", "dtw", "evv", "mgm", "alb", "bwi", "clt", "tpa"};
    codedPicture(PltFltConds, Index, sites::AviationDataSite() + QStringLiteral("/projects/adds/metars/sfc_"), areas,
                 ".gif", "Flight Conditions - ");
}

void PictureMenus::Cyclone_Click(int Index) { tableUnderCaption(Cyclone, Index, urls().CycloneURL, Get_Picture); }
