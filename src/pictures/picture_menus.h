#pragma once
#include <QObject>
#include <array>

class QAction;
class QMenu;

// The items of the map and picture menus ("&Maps && Pictures", "&Pilot
// Weather", "&Tropical Storms") and their handlers. Each handler picks the
// picture's address and its window's title and hands both to a fetch of
// picture_fetch.h. An array's handler does nothing for an index its menu
// does not have.
class PictureMenus : public QObject {
    Q_OBJECT
public:
    explicit PictureMenus(QObject* parent) : QObject(parent) {}

    // Adds "Solar Data", "Earth Daylight Area" and "Show Moon Phase".
    void addSkyItems(QMenu* TheSky);
    void fillPilotMenu(QMenu* PltWt);
    void addCycloneItems(QMenu* mnuTropical);

    // Each fills one submenu of "&Maps && Pictures" (after the items that
    // others put there first): "GOES Satellites", "METEOSAT (Europe, Africa,
    // India)", "Satellite Composites", "Forecast && Satellite" and so on.
    void buildGoes(QMenu* menu);
    void buildMeteosat(QMenu* menu);
    void buildCompositeSatellites(QMenu* menu);
    void buildContinents(QMenu* menu);
    void buildRadar(QMenu* menu);
    void buildEarthwatch(QMenu* menu);
    void buildWeatherChannel(QMenu* menu);
    void buildUnisys(QMenu* menu);
    void buildWeatherBank(QMenu* menu);
    void buildPlymouth(QMenu* menu);
    void buildPolar(QMenu* menu);
    void buildGoesComposites(QMenu* menu);
    void buildJetStream(QMenu* menu);
    void buildOcean(QMenu* menu);
    void buildFires(QMenu* menu);
    void buildAllergy(QMenu* menu);
    void buildVolcanoes(QMenu* menu);
    void buildQuakes(QMenu* menu);

    std::array<QAction*, 11> SolarDataX{};
    QAction* EDANow = nullptr;
    QAction* Phase = nullptr;
    QAction *IRE = nullptr, *VisE = nullptr, *WVE = nullptr;
    QAction *IRW = nullptr, *VisW = nullptr, *WVW = nullptr;
    std::array<QAction*, 2> GOES10H{};
    std::array<QAction*, 9> FogCloud{};
    QAction *METUK = nullptr, *METir = nullptr, *METVi = nullptr, *METin5 = nullptr;
    std::array<QAction*, 8> CmpSat{};
    std::array<QAction*, 2> AFMap{}, ASMap{}, AUMap{}, EUMap{}, NAMap{}, SAMap{};
    std::array<QAction*, 6> RADM{}; // items 1 to 5; there is no item 0
    QAction *CT1 = nullptr, *CT2 = nullptr, *CR1 = nullptr, *CS2 = nullptr;
    std::array<QAction*, 7> SevWet{};
    QAction* WCS = nullptr;
    std::array<QAction*, 9> SatAni{};
    std::array<QAction*, 9> SatAniW{};
    QAction *FTemp = nullptr, *FWeath = nullptr;
    std::array<QAction*, 2> RadAni{};
    QAction *WTFor = nullptr, *WRFor = nullptr;
    std::array<QAction*, 2> SurfM{};
    std::array<QAction*, 9> USContour{};
    QAction* RawPlot = nullptr;
    std::array<QAction*, 5> WBMaps{};
    std::array<QAction*, 7> PlymouthA{};
    std::array<QAction*, 14> Plymouth{};
    std::array<QAction*, 1> ArcticD{};
    std::array<QAction*, 5> AntarcticD{};
    std::array<QAction*, 6> ComSatMaps{};
    std::array<QAction*, 4> JetStream{};
    std::array<QAction*, 8> SeaMap{};
    std::array<QAction*, 8> Fires{};
    std::array<QAction*, 3> Allergy{};
    std::array<QAction*, 11> VulcanW{};
    std::array<QAction*, 15> Quakes{};
    std::array<QAction*, 8> PRIce{}, PRTurb{}, PRSkyC{}, PRWCond{};
    std::array<QAction*, 6> CVWFs{};
    std::array<QAction*, 3> ACIcing{};
    std::array<QAction*, 5> PFLevels{};
    std::array<QAction*, 5> PCASig{};
    std::array<QAction*, 20> PltFltConds{};
    std::array<QAction*, 9> Cyclone{};

    void SolarDataX_Click(int Index);
    void Phase_Click();
    void IRE_Click();
    void VisE_Click();
    void WVE_Click();
    void IRW_Click();
    void VisW_Click();
    void WVW_Click();
    void GOES10H_Click(int Index);
    void FogCloud_Click(int Index);
    void METir_Click();
    void METVi_Click();
    void METUK_Click();
    void METin5_Click();
    void CmpSat_Click(int Index);
    void AFMap_Click(int Index);
    void ASMap_Click(int Index);
    void AUMap_Click(int Index);
    void EUMap_Click(int Index);
    void NAMap_Click(int Index);
    void SAMap_Click(int Index);
    void RADM_Click(int Index);
    void CT1_Click();
    void CT2_Click();
    void CR1_Click();
    void CS2_Click();
    void SevWet_Click(int Index);
    void WCS_Click();
    void SatAni_Click(int Index);
    void SatAniW_Click(int Index);
    void FTemp_Click();
    void FWeath_Click();
    void RadAni_Click(int Index);
    void WTFor_Click();
    void WRFor_Click();
    void SurfM_Click(int Index);
    void USContour_Click(int Index);
    void RawPlot_Click();
    void WBMaps_Click(int Index);
    void PlymouthA_Click(int Index);
    void Plymouth_Click(int Index);
    void ArcticD_Click(int Index);
    void AntarcticD_Click(int Index);
    void ComSatMaps_Click(int Index);
    void JetStream_Click(int Index);
    void SeaMap_Click(int Index);
    void Fires_Click(int Index);
    void Allergy_Click(int Index);
    void VulcanW_Click(int Index);
    void Quakes_Click(int Index);
    void PRIce_Click(int Index);
    void PRTurb_Click(int Index);
    void PRSkyC_Click(int Index);
    void PRWCond_Click(int Index);
    void CVWFs_Click(int Index);
    void ACIcing_Click(int Index);
    void PFLevels_Click(int Index);
    void PCASig_Click(int Index);
    void PltFltConds_Click(int Index);
    void Cyclone_Click(int Index);

private:
    using ArrayHandler = void (PictureMenus::*)(int);
    using ItemHandler = void (PictureMenus::*)();
    template <std::size_t N>
    void addItems(QMenu* menu, std::array<QAction*, N>& items, const char* const (&captions)[N],
                  ArrayHandler handler);
    QAction* addItem(QMenu* menu, const char* caption, ItemHandler handler);
    void continentMap(int continent, int Index);
};
