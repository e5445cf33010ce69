#pragma once
#include <QMainWindow>
#include <array>

class QAction;
class QLabel;
class QMenu;

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

    // The station table's labels, column by column (Label2 to Label10).
    std::array<std::array<QLabel*, 10>*, 9> stationColumns();

    // Menu items whose check marks are settings.
    QAction* Visual = nullptr;          // "&Visual"
    QAction* Sound = nullptr;           // "&Sound"
    QAction* AOT = nullptr;             // "Always On &Top"
    QAction* CheckAlternate = nullptr;  // "&Check Alternate Site"
    QAction* MinWeat = nullptr;         // "&Mini-Weather"
    QAction* AllWeat = nullptr;         // "&All-Weather"
    QAction* DigWeat = nullptr;         // "&Digital-Weather"
    QAction* Auto = nullptr;            // "&Auto" (refresh)
    QAction* Manual = nullptr;          // "&Manual"
    std::array<QAction*, 2> TheAnimation{}; // "&Anemometer", "&Sun Shine"
    QAction* IgnoreWarnings = nullptr;  // "Ignore &Warnings"
    QAction* IgnoreUV = nullptr;        // "Ignore &UV"
    QAction* DisScroll = nullptr;       // "Scrolling &Display"
    std::array<QAction*, 1> CkMail{};   // "&Auto" under "Check &E-Mail"
    std::array<QAction*, 2> TempD{};    // "&Fahrenheit", "&Celsius"

    int Closing = 0;
    int Unloading = 0;

private:
    void buildMenus();
    void buildStationTable();
};
