#pragma once
#include <QWidget>
#include <array>

class AnimationView;
class QLabel;
class QPushButton;
class QTimer;

// The compact display window: the current station's readings, stepping to
// the previous or next station, and the alert and mail indicators. It lives
// for the whole run; closing it only hides it.
class Weather : public QWidget {
    Q_OBJECT
public:
    explicit Weather(QWidget* parent = nullptr);

    QLabel* Place = nullptr;
    QLabel* Conditions = nullptr;
    QLabel* Temp = nullptr;
    QLabel* DewPoint = nullptr;   // the station's remarks
    QLabel* Wind = nullptr;
    QLabel* LastUp = nullptr;
    std::array<QLabel*, 1> Label1{}; // the current station's warning lamp
    QLabel* Label2 = nullptr;        // "Warning!" while the alert blinks
    std::array<QLabel*, 3> Image1{}; // item 2: the new-mail indicator
    std::array<QPushButton*, 6> Command1{}; // 4 previous, 5 next station
    std::array<AnimationView*, 2> Gif89a1{}; // anemometer and sunshine
    QTimer* Timer1 = nullptr; // animation step; its interval is a setting
    QTimer* Timer2 = nullptr; // alert and mail tick, 500 ms

    int GotMail = 0;        // new mail to announce
    int PlayMailSound = 0;  // the mail sound is still to play
    int MailFrame = 0;
    int MailCycles = 0;

    void Command1_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Label2_Click();
    void Image1_Click();

    // Copies the current station's row from the main window and colours
    // the temperature.
    void showCurrentRow();
    // Makes the station after (Index 5) or before (Index 4) the current one
    // current when its row names one, and shows it here. At the end of the
    // list the asking window's station `buttons` say so. False when the
    // current station did not change.
    bool stepStation(int Index, std::array<QPushButton*, 6>& buttons);

    // Tray icon 1's tip, cut to what a tip can show.
    void Change_Tip(const QString& tip);
    // The current station's tip: "place - conditions - temperature".
    QString currentTip() const;
    void Add_Tray_Icon();
    void Delete_Tray_Icon();

    // The window's load: position, the tray check and icon 1.
    void Form_Load();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateStationButtons();
    void setTemperatureColor();
    // The tip while the window is shown: "Waiting...." until a temperature came.
    QString shownTip() const;
};

// The text colour of a temperature caption, in degrees Celsius when
// `celsius` is set: blue below 60 °F, red above 89 °F, the button-text
// colour between.
quint32 temperatureColor(const QString& caption, bool celsius);
