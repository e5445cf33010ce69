#pragma once
#include <QMainWindow>
#include <array>
#include <optional>

class AnimatedPicture;
class InetControl;
class PictureMenus;
class QAction;
class QLabel;
class QMenu;
class QRadioButton;
class QStatusBar;
class QTimer;

// The main window: the station table and the menus. Its menu check marks
// hold part of the settings record.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    // Station table, one row per slot 0-9: place, condition, temperature,
    // dewpoint, humidity, wind, pressure, remarks, UV.
    std::array<QLabel*, 10> Label2{}, Label3{}, Label4{}, Label5{}, Label6{}, Label7{},
        Label8{}, Label9{}, Label10{};
    std::array<QLabel*, 10> S_Warning{}; // each row's warning lamp
    std::array<QRadioButton*, 10> Option1{}; // makes a row the current station
    // The ticker strip under the table, hidden unless "Scrolling Display" is
    // checked: Picture1(0) the strip, Picture1(1) the area inside it,
    // Label1(0) the ticker text.
    std::array<QWidget*, 2> Picture1{};
    std::array<QLabel*, 1> Label1{};

    // Makes slot Index the current station: the digital display, the tray
    // picture and the tray tip follow it.
    void Option1_Click(int Index);
    // Draws the current station into the digital display window.
    void Display_Digital();

    // The station table's labels, column by column (Label2 to Label10).
    std::array<std::array<QLabel*, 10>*, 9> stationColumns();

    // The menu tree ("&File" and the menus beside it).
    QMenu* FileSelect = nullptr;
    QMenu* Alerts = nullptr;
    QAction* Visual = nullptr;          // "&Visual"
    QAction* Sound = nullptr;           // "&Sound"
    QAction* IgnoreWarnings = nullptr;  // "Ignore &Warnings"
    QAction* IgnoreUV = nullptr;        // "Ignore &UV"
    QMenu* CkEmail = nullptr;
    std::array<QAction*, 2> CkMail{};   // "&Auto", "&Now"
    // "Check &E-Mail": 0 toggles the automatic check, 1 checks now and
    // reports what came.
    void CkMail_Click(int Index);
    QMenu* NothingHere = nullptr;       // "A&nimation"
    std::array<QAction*, 2> TheAnimation{}; // "&Anemometer", "&Sun Shine"
    QAction* DisScroll = nullptr;       // "Scrolling &Display", disabled
    QAction* AOT = nullptr;             // "Always On &Top"
    QAction* CheckAlternate = nullptr;  // "&Check Alternate Site"
    QMenu* OnStart = nullptr;
    QAction* MinWeat = nullptr;         // "&Mini-Weather"
    QAction* AllWeat = nullptr;         // "&All-Weather"
    QAction* DigWeat = nullptr;         // "&Digital-Weather"
    QMenu* Temp = nullptr;              // "&Temperature Display"
    std::array<QAction*, 2> TempD{};    // "&Fahrenheit", "&Celsius"
    QAction* Cities = nullptr;          // "Corvane &Options"
    QMenu* Refresh = nullptr;
    QAction* RNow = nullptr;            // "&Now"
    QAction* Auto = nullptr;            // "&Auto"
    QAction* Manual = nullptr;          // "&Manual"
    QAction* SaveS = nullptr;
    QAction* SaveExit = nullptr;
    QAction* Exit = nullptr;

    QMenu* Maps = nullptr;
    QMenu* WebCam = nullptr;
    std::array<QAction*, 6> TheWebCamsList{};
    QMenu* Ocemap = nullptr;
    QAction* BouyInfo = nullptr;
    QMenu* TheSky = nullptr;
    QAction* MoonCal = nullptr;
    QAction* TheSkyThisWeek = nullptr;
    QAction* TheSkyMonth = nullptr;
    QAction* mnuSmPrS = nullptr;
    PictureMenus* Catalogue = nullptr; // the map and picture items of the menus below
    QMenu* PltWt = nullptr;
    QMenu* mnuTropical = nullptr;
    std::array<QAction*, 1> Cycloned{};
    QMenu* NUsed99 = nullptr;           // "&Local Radar"
    std::array<QAction*, 10> LocalRadar{};
    QAction* mnuEditRadar = nullptr;
    QMenu* mnuWeb = nullptr;
    std::array<QAction*, 11> mnuWebSite{};
    QMenu* HelpMe = nullptr;
    QMenu* mnuHoroscope = nullptr;
    std::array<QAction*, 12> mnuHoro{};
    QAction* GreenwichTime = nullptr;
    QAction* CVVersion = nullptr;
    QAction* LatestNews = nullptr;
    QAction* History = nullptr;
    QAction* ReadDocs = nullptr;
    QAction* About = nullptr;

    // Pop-up menus: the tray menu and the station information menu.
    QMenu* PopMenu1 = nullptr;
    std::array<QAction*, 11> PopMenu{};
    QMenu* ForUvWarn = nullptr;
    std::array<QAction*, 8> StateInfo{};
    QTimer* Timer3 = nullptr; // delayed shut-down

    void PopMenu_Click(int Index);
    void S_Warning_Click(int Index);
    void Label2_MouseUp(int Index, Qt::MouseButton Button, const QPoint& at);
    // Turns a mouse action on a tray icon into its command.
    void trayAction(int icon, const QString& event, const QPoint& at);

    // Transfer controls: Inet1 fetches pictures and pages on demand, Inet2
    // serves the update. Their state reports go to status panel 1.
    InetControl* Inet1 = nullptr;
    InetControl* Inet2 = nullptr;
    void Inet1_StateChanged(int State);
    void Inet2_StateChanged(int State);

    // Status bar with six panels, numbered 1 to 6: panel 1 connection and
    // progress texts, panel 3 the time of the last update, panel 6 the
    // new-mail indicator (hidden until mail comes).
    QStatusBar* StatusBar1 = nullptr;
    QLabel* panel(int Panel) const; // nullptr outside 1-6
    void setPanelText(int Panel, const QString& Text);
    QString panelText(int Panel) const;
    // A click on panel 6 clears the new-mail indicator in every window.
    void StatusBar1_PanelClick(int Panel);

    // Busy indicator over the status bar, shown while Inet1 transfers.
    QWidget* Picture2 = nullptr;
    AnimatedPicture* Gif89a1 = nullptr;

    int Closing = 0;
    int Unloading = 0;

    QTimer* Timer1 = nullptr; // one-shot first update, a second after start-up
    QTimer* Timer2 = nullptr; // the minute timer

    // One update of every watched station; refused while one runs.
    void RNow_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    // Start-up: brings the whole program up in order. Returns false when the
    // main window was closed while the load let events run: the load stops
    // there and the program must end.
    bool Form_Load();
    // Minimising shows the chosen small window and, with a tray icon to
    // bring it back, hides the main window.
    void Form_Resize();
    // Shows the table rows of the watched stations (at least one, at most ten).
    void showStationRows(int stations);
    // The window's height for a number of stations, in twips.
    static int heightForStations(int stations);
    // The watch-list length that the window is sized for when it is next
    // restored: the list changed while the window was minimised.
    std::optional<int> sizeOnRestore;

    // Menu commands.
    void Auto_Click();
    void TempD_Click(int Index);
    void TheAnimation_Click(int Index);
    void Cities_Click();
    void SaveS_Click();
    void SaveExit_Click();
    void Exit_Click();
    void mnuEditRadar_Click();
    void mnuWebSite_Click(int Index);
    void ReadDocs_Click();
    void TheWebCamsList_Click(int Index);
    void About_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildStatusBar();
    void showBusyIndicator();
    void hideBusyIndicator();
    std::array<QLabel*, 6> StatusPanels{};
    void Form_Unload();
    // The steps of an update (RNow_Click), in their order.
    void connectBeforeUpdate();
    void fetchStationPages(bool celsius);
    void fetchSlotPage(int slot);
    void fetchAlternateConditions();
    QString checkMailAfterUpdate();
    QString hangUpAfterUpdate();
    void waitForLink();
    void recoverFromFailedStep(int slot);
    bool StartMinimized = false;
    void buildMenus();
    void buildFileMenu();
    void buildCatalogueMenus();
    void buildHelpMenu();
    void buildPopupMenus();
    void bringUp(QWidget& window);
    void buildStationTable();
};
