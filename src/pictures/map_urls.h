#pragma once
#include <QString>
#include <QStringList>

// The fixed addresses of the map and picture menus. Each table is indexed from
// 0; a menu array that indexes a table directly uses entry i for item i, the
// others map through the entry numbers and helpers below. Entries that no menu
// uses are empty.
struct MapUrlTables {
    QStringList RadarMapURL;          // 8 entries, 3..7 used (see radarMapEntry)
    QStringList CurrentMapURL;        // 9 entries, see CurrentMapEntry
    QStringList SevereURL;            // 7 entries, item i of the severe-weather menu
    QStringList SurfaceURL;           // 11 entries: 1 raw surface plot, 2..10 contour maps
    QStringList SurfaceTitle;         // window titles parallel to SurfaceURL, 2..10 used
    QStringList SurfMapURL;           // 3 entries, 0 still and 1 animated surface map
    QStringList FireURL;              // 8
    QStringList FogURL;               // 9
    QStringList PlymouthURL;          // 14
    QStringList PlymouthAnimURL;      // 7
    QStringList GoesEastURL;          // 3: IR, visible, water vapour
    QStringList GoesWestURL;          // 3: IR, visible, water vapour
    QStringList HawaiiURL;            // 2: IR, visible
    QStringList MeteosatURL;          // 3, see MeteosatEntry
    QStringList ArcticURL;            // 1
    QStringList AntarcticURL;         // 5
    QStringList JetStreamURL;         // 4
    QStringList CycloneURL;           // 9
    QStringList ContinentForecastURL; // 6, see ContinentEntry
    QStringList ContinentSatURL;      // 6, see ContinentEntry
    QStringList AllergyURL;           // 4: 0..2 the allergy menu, 3 the US UV index map
    QStringList SeaMapURL;            // 8
    QStringList CompositeArg;         // 8 page-and-marker arguments of the composite fetch
    QStringList QuakeURL;             // 15
    QStringList WorldSatAnimURL;      // 9
    QStringList USSatAnimURL;         // 9
    QStringList RadarAnimURL;         // 2
    QStringList VolcanoURL;           // 11
    QStringList GoesCompositeURL;     // 6
    QString MoonPhaseURL;
};

// Entries of CurrentMapURL by the menu item that shows them.
enum CurrentMapEntry {
    CurrentMapCT1 = 0,    // current temperatures (visualisation site)
    CurrentMapCT2 = 1,    // current dewpoints
    CurrentMapCR1 = 2,    // current radar
    CurrentMapCS2 = 3,    // current satellite
    CurrentMapFWeath = 4, // television network: current radar
    CurrentMapFTemp = 5,  // current temperatures
    CurrentMapWTFor = 6,  // forecast today/evening
    CurrentMapWRFor = 7,  // forecast tomorrow
    CurrentMapWCS = 8,    // current satellite
};

// Entries of MeteosatURL by menu item.
enum MeteosatEntry { MeteosatIR = 0, MeteosatVisible = 1, MeteosatUK = 2 };

// Index into ContinentForecastURL and ContinentSatURL.
enum ContinentEntry {
    ContinentAfrica = 0,
    ContinentAsia = 1,
    ContinentAustralia = 2,
    ContinentEurope = 3,
    ContinentNorthAmerica = 4,
    ContinentSouthAmerica = 5,
};

constexpr int SurfaceRawPlotEntry = 1; // SurfaceURL entry of the raw surface plot
constexpr int AllergyUvMapEntry = 3;   // AllergyURL entry of the US UV index map

// RadarMapURL entry shown by item 1..5 of the radar menu, -1 for any other item.
int radarMapEntry(int item);

// SurfaceURL and SurfaceTitle entry of item 0..8 of the contour menu, -1 for
// any other item.
int surfaceContourEntry(int item);

// Builds every table with its fixed addresses.
MapUrlTables buildMapUrlTables();

// Fills the main window's copy of the tables (program().MapURLs); called once
// while the main window loads.
void Load_Map_URLs();
