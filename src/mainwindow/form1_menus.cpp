// The main window's menu tree.
#include "mainwindow/form1.h"
#include "pages/version_check.h"
#include "pictures/picture_fetch.h"
#include "pictures/picture_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <utility>

namespace {

QAction* checkItem(QMenu* menu, const QString& caption, bool checked)
{
    QAction* item = menu->addAction(caption);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

// A check item whose click handler sets the mark itself: the toggle the
// item made on its own is undone first, so the handler sees the mark as it
// was before the click.
template <typename Handler>
void connectSelfToggling(QAction* item, QObject* receiver, Handler handler)
{
    QObject::connect(item, &QAction::triggered, receiver, [item, handler] {
        item->setChecked(!item->isChecked());
        handler();
    });
}

const char* const kSigns[] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                              "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

const char* const kWebCams[] = {"U.S. Weather Cams", "World Weather Cams", "Web Cam Favorites",
                                "Animal Cams", "People Cams", "Misc Cams"};

} // namespace

void Form1::buildMenus()
{
    buildFileMenu();
    buildCatalogueMenus();
    buildHelpMenu();
    buildPopupMenus();
}

void Form1::buildFileMenu()
{
    FileSelect = menuBar()->addMenu(QStringLiteral("&File"));

    Alerts = FileSelect->addMenu(QStringLiteral("&Alerts"));
    Visual = checkItem(Alerts, QStringLiteral("&Visual"), true);
    Sound = checkItem(Alerts, QStringLiteral("&Sound"), true);
    IgnoreWarnings = checkItem(Alerts, QStringLiteral("Ignore &Warnings"), false);
    IgnoreUV = checkItem(Alerts, QStringLiteral("Ignore &UV"), false);

    CkEmail = FileSelect->addMenu(QStringLiteral("Check &E-Mail"));
    CkMail[0] = checkItem(CkEmail, QStringLiteral("&Auto"), false);
    CkMail[1] = CkEmail->addAction(QStringLiteral("&Now"));
    connectSelfToggling(CkMail[0], this, [this] { CkMail_Click(0); });
    connect(CkMail[1], &QAction::triggered, this, [this] { CkMail_Click(1); });

    NothingHere = FileSelect->addMenu(QStringLiteral("A&nimation"));
    TheAnimation[0] = checkItem(NothingHere, QStringLiteral("&Anemometer"), true);
    TheAnimation[1] = checkItem(NothingHere, QStringLiteral("&Sun Shine"), false);
    for (int i = 0; i < 2; ++i)
        connect(TheAnimation[i], &QAction::triggered, this, [this, i] { TheAnimation_Click(i); });

    DisScroll = checkItem(FileSelect, QStringLiteral("Scrolling &Display"), false);
    DisScroll->setEnabled(false);
    AOT = checkItem(FileSelect, QStringLiteral("Always On &Top"), true);
    CheckAlternate = checkItem(FileSelect, QStringLiteral("&Check Alternate Site"), false);

    OnStart = FileSelect->addMenu(QStringLiteral("On Start-&Up"));
    MinWeat = checkItem(OnStart, QStringLiteral("&Mini-Weather"), false);
    AllWeat = checkItem(OnStart, QStringLiteral("&All-Weather"), true);
    DigWeat = checkItem(OnStart, QStringLiteral("&Digital-Weather"), false);
    for (QAction* item : {MinWeat, AllWeat, DigWeat}) {
        connect(item, &QAction::triggered, this, [this, item] {
            for (QAction* other : {MinWeat, AllWeat, DigWeat})
                other->setChecked(other == item);
        });
    }

    Temp = FileSelect->addMenu(QStringLiteral("&Temperature Display"));
    TempD[0] = checkItem(Temp, QStringLiteral("&Fahrenheit"), true);
    TempD[1] = checkItem(Temp, QStringLiteral("&Celsius"), false);
    for (int i = 0; i < 2; ++i)
        connect(TempD[i], &QAction::triggered, this, [this, i] { TempD_Click(i); });

    FileSelect->addSeparator();
    Cities = FileSelect->addAction(QStringLiteral("Corvane &Options"));
    connect(Cities, &QAction::triggered, this, &Form1::Cities_Click);
    FileSelect->addSeparator();

    Refresh = FileSelect->addMenu(QStringLiteral("&Refresh"));
    RNow = Refresh->addAction(QStringLiteral("&Now"));
    connect(RNow, &QAction::triggered, this, &Form1::RNow_Click);
    Auto = checkItem(Refresh, QStringLiteral("&Auto"), true);
    Manual = checkItem(Refresh, QStringLiteral("&Manual"), false);
    // Either item swaps the refresh mode.
    for (QAction* item : {Auto, Manual})
        connectSelfToggling(item, this, [this] { Auto_Click(); });

    FileSelect->addSeparator();
    SaveS = FileSelect->addAction(QStringLiteral("&Save Settings"));
    SaveExit = FileSelect->addAction(QStringLiteral("Sa&ve && Exit"));
    Exit = FileSelect->addAction(QStringLiteral("E&xit"));
    connect(SaveS, &QAction::triggered, this, &Form1::SaveS_Click);
    connect(SaveExit, &QAction::triggered, this, &Form1::SaveExit_Click);
    connect(Exit, &QAction::triggered, this, &Form1::Exit_Click);
}

void Form1::buildCatalogueMenus()
{
    Maps = menuBar()->addMenu(QStringLiteral("&Maps && Pictures"));
    Catalogue = new PictureMenus(this);
    TheSky = Maps->addMenu(QStringLiteral("The Sky"));
    mnuSmPrS = TheSky->addAction(QStringLiteral("Sun-Moon-Planets Rise/Set"));
    Catalogue->addSkyItems(TheSky);
    MoonCal = TheSky->addAction(QStringLiteral("Meteor Showers"));
    TheSkyThisWeek = TheSky->addAction(QStringLiteral("The Sky This Week"));
    TheSkyMonth = TheSky->addAction(QStringLiteral("The Sky This Month"));
    Maps->addSeparator();
    WebCam = Maps->addMenu(QStringLiteral("Web Cam Pictures"));
    for (int i = 0; i < 6; ++i) {
        TheWebCamsList[i] = checkItem(WebCam, QLatin1String(kWebCams[i]), false);
        connect(TheWebCamsList[i], &QAction::triggered, this, [this, i] { TheWebCamsList_Click(i); });
    }
    Maps->addSeparator();
    // The catalogue's submenus; a separator where no builder is named.
    const std::pair<const char*, void (PictureMenus::*)(QMenu*)> pictureMenus[] = {
        {"GOES Satellites", &PictureMenus::buildGoes},
        {"METEOSAT (Europe, Africa, India)", &PictureMenus::buildMeteosat},
        {"Satellite Composites", &PictureMenus::buildCompositeSatellites},
        {"", nullptr},
        {"Forecast && Satellite", &PictureMenus::buildContinents},
        {"", nullptr},
        {"Radar", &PictureMenus::buildRadar},
        {"Earthwatch \u00a9", &PictureMenus::buildEarthwatch},
        {"The Weather Channel \u00a9", &PictureMenus::buildWeatherChannel},
        {"Unisys \u00a9", &PictureMenus::buildUnisys},
        {"Weather Bank \u00a9", &PictureMenus::buildWeatherBank},
        {"Plymouth State", &PictureMenus::buildPlymouth},
        {"Polar Weather", &PictureMenus::buildPolar},
        {"Composite Satellite Maps", &PictureMenus::buildGoesComposites},
        {"Jet Stream", &PictureMenus::buildJetStream},
        {"Ocean Maps && Buoys", &PictureMenus::buildOcean},
        {"Fire Maps", &PictureMenus::buildFires},
        {"Allergy Maps", &PictureMenus::buildAllergy},
        {"", nullptr},
        {"Volcano Watch", &PictureMenus::buildVolcanoes},
        {"Earthquake Maps", &PictureMenus::buildQuakes},
    };
    for (const auto& [caption, build] : pictureMenus) {
        if (!build) {
            Maps->addSeparator();
            continue;
        }
        QMenu* submenu = Maps->addMenu(QString::fromUtf8(caption));
        if (build == &PictureMenus::buildOcean) {
            Ocemap = submenu;
            BouyInfo = Ocemap->addAction(QStringLiteral("Worldwide Buoy Info"));
        }
        (Catalogue->*build)(submenu);
    }

    PltWt = menuBar()->addMenu(QStringLiteral("&Pilot Weather"));
    Catalogue->fillPilotMenu(PltWt);
    mnuTropical = menuBar()->addMenu(QStringLiteral("&Tropical Storms"));
    Cycloned[0] = mnuTropical->addAction(QStringLiteral("&Hurricane Tracking Maps"));
    Catalogue->addCycloneItems(mnuTropical);

    NUsed99 = menuBar()->addMenu(QStringLiteral("&Local Radar"));
    for (int i = 0; i < 10; ++i) {
        LocalRadar[i] = NUsed99->addAction(QStringLiteral("(blank)"));
        LocalRadar[i]->setVisible(false);
        connect(LocalRadar[i], &QAction::triggered, this, [i] { LocalRadar_Click(i); });
    }
    mnuEditRadar = NUsed99->addAction(QStringLiteral("&Edit Local Radar"));
    connect(mnuEditRadar, &QAction::triggered, this, &Form1::mnuEditRadar_Click);

    mnuWeb = menuBar()->addMenu(QStringLiteral("&Web Sites"));
    for (int i = 0; i < 10; ++i) {
        mnuWebSite[i] = mnuWeb->addAction(QStringLiteral("(empty)"));
        mnuWebSite[i]->setVisible(false);
        connect(mnuWebSite[i], &QAction::triggered, this, [this, i] { mnuWebSite_Click(i); });
    }
    mnuWebSite[10] = mnuWeb->addAction(QStringLiteral("Web Site Editor"));
    connect(mnuWebSite[10], &QAction::triggered, this, [this] { mnuWebSite_Click(10); });
}

void Form1::buildHelpMenu()
{
    HelpMe = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHoroscope = HelpMe->addMenu(QStringLiteral("H&oroscope"));
    for (int i = 0; i < 12; ++i)
        mnuHoro[i] = mnuHoroscope->addAction(QLatin1String(kSigns[i]));
    HelpMe->addSeparator();
    GreenwichTime = HelpMe->addAction(QStringLiteral("Check System &Time"));
    CVVersion = HelpMe->addAction(QStringLiteral("&Verify Current Version"));
    connect(CVVersion, &QAction::triggered, this, [] { CVVersion_Click(); });
    LatestNews = HelpMe->addAction(QStringLiteral("&Latest Corvane News"));
    History = HelpMe->addAction(QStringLiteral("&Today In History"));
    HelpMe->addSeparator();
    ReadDocs = HelpMe->addAction(QStringLiteral("Read &Docs"));
    HelpMe->addSeparator();
    About = HelpMe->addAction(QStringLiteral("&About"));
    connect(ReadDocs, &QAction::triggered, this, &Form1::ReadDocs_Click);
    connect(About, &QAction::triggered, this, &Form1::About_Click);
}
