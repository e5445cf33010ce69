#pragma once
#include "options/design_values.h"

#include <QDialog>
#include <QSet>
#include <QStringList>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

// The options dialog "Corvane Options". Loaded at start-up and kept, hidden,
// for the whole run: its controls are the live settings record.
class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    // Runs the load sequence: store values, the states-and-cities file, the
    // settings file. Called right after the dialog is created.
    void Form_Load();
    // Loads the dialog afresh where it stands: its lists emptied, its
    // controls back to their design values, then the load sequence, as a
    // newly created dialog would be. The window itself stays, so code that
    // holds it while it waits keeps a live dialog.
    void loadAfresh();
    // True while the load sequence runs. It lets events run, and an opener
    // run meanwhile must leave the dialog to the one that loads it.
    bool loading() const { return loading_; }

    QTabWidget* SSTab1 = nullptr;

    // The group boxes of the tabs: Frame1(0) "Conditions Log", (1) "Internet
    // Access", (2) "Internet Connection", (3) "Secondary PopUp Window", (4)
    // "Site Refresh", (5) "Digital Display Color", (6) and (7) uncaptioned;
    // Frame2 "Weather Text Display"; Frame3(0) "Icon Definitions", (1)
    // "Weather Settings", (2) "E-Mail".
    std::array<QGroupBox*, 8> Frame1{};
    QGroupBox* Frame2 = nullptr;
    std::array<QGroupBox*, 3> Frame3{};

    // City Selection tab.
    QListWidget* List1 = nullptr; // states, file order
    QListWidget* List2 = nullptr; // cities of the chosen state, sorted
    QListWidget* List7 = nullptr; // alternate places of the chosen state
    QListWidget* List3 = nullptr; // the watch list; a row's check mark = log it
    QStringList List4;            // hidden: the rows of the states-and-cities file
    QStringList List5;            // hidden: one report URL per state, parallel to List1
    QSet<QString> List6;          // hidden: identifiers of mail already counted
    QStringList List8;            // hidden: the alternate-place table
    std::array<QLabel*, 20> Label1{};  // captions (0, 1, 2, 9, 19 used)
    QLabel* Label3 = nullptr;     // hidden diagnostic counter
    QPushButton* Command2 = nullptr;   // "Add All" cities
    QPushButton* Command10 = nullptr;  // "Add All" alternate places
    std::array<QPushButton*, 5> Command1{}; // 0 Save && Refresh, 1 Cancel, 2 Delete, 3 Delete All, 4 Save && No Refresh
    std::array<QPushButton*, 2> Command3{}; // move up, move down

    // Internet tab.
    std::array<QRadioButton*, 2> Option4{}; // "Always Connected", "Dial-up"
    QLineEdit* Text5 = nullptr;   // dialer name
    QSlider* Slider1 = nullptr;   // seconds to wait for the link
    QLineEdit* Text6 = nullptr;   // pause time
    QLineEdit* Text7 = nullptr;   // Internet time-out
    std::array<QCheckBox*, 1> Check1{}; // "Auto Disconnect"
    std::array<QRadioButton*, 3> Option1{}; // access mode
    std::array<QLineEdit*, 2> Text1{};      // proxy server, port
    QLineEdit* ProxyUser = nullptr;
    QLineEdit* ProxyPassword = nullptr;
    QPushButton* Command9 = nullptr;        // "Save Password && User"
    std::array<QRadioButton*, 3> Option2{}; // mail account shown
    std::array<QLineEdit*, 3> Text3{};      // host, user, password
    QPushButton* Command5 = nullptr;        // "Save Site Info"
    QPushButton* Command8 = nullptr;        // "Delete Site"
    QComboBox* Combo4 = nullptr;            // e-mail alert sound

    // Settings tab.
    QComboBox* Combo1 = nullptr;  // update interval
    QLineEdit* Text2 = nullptr;   // ZIP code
    QComboBox* Combo2 = nullptr;  // weather alert sound
    QComboBox* Combo3 = nullptr;  // animation speed
    QCheckBox* Check2 = nullptr;  // "Log Checked Sites"
    QCheckBox* Check3 = nullptr;  // "Use Separate Log Files"
    QCheckBox* Check4 = nullptr;  // "Use Short Format"
    QCheckBox* Check5 = nullptr;  // "Use Selected Colors"
    QCheckBox* Check6 = nullptr;  // "Keep Last Update"
    QCheckBox* Check7 = nullptr;  // "Verify Version On Start"
    QCheckBox* Check8 = nullptr;  // "Warning Icon Blinks"
    std::array<QLabel*, 5> Label2{};       // 1 "Text Color:", 2 "Back Color:", 3 and 4 the swatches
    std::array<QPushButton*, 2> Command4{}; // colour choosers
    std::array<QRadioButton*, 4> Option5{}; // small window when minimised
    std::array<QRadioButton*, 4> Option6{}; // digital display colour
    std::array<QLabel*, 4> DColor{};        // digit samples

    // Weather Icons tab.
    std::array<QRadioButton*, 12> Option3{}; // the twelve condition categories
    QLineEdit* Text4 = nullptr;              // condition title to add
    QPushButton* Command6 = nullptr;         // "Add Definition"
    QPushButton* Command7 = nullptr;         // "Restore Originals"
    std::array<QLabel*, 32> Image2{};        // condition pictures (16-19 unused)
    std::array<QLabel*, 4> Image1{};         // mail animation frames

    // The states-and-cities pickers. StateRow is the row pointer of their
    // walks over List4 (and List8); 0 when the dialog is created.
    qsizetype StateRow = 0;
    void Load_States();
    void Load_Cities(const QString& State);
    void List1_Click();

    // The buttons of the Command1 array: 0 "Save && Refresh", 4 "Save && No
    // Refresh" and 1 "Cancel" close the dialog; 2 "Delete" and 3 "Delete
    // All" edit the watch list.
    void Command1_Click(int Index);

    // Watch-list editing. Every change disables "Save && No Refresh".
    void List2_Click();   // adds the highlighted city
    void List7_Click();   // adds the highlighted alternate place
    void Command2_Click();  // adds every city of the state
    void Command10_Click(); // adds every alternate place of the state
    void Command3_Click(int Index); // moves the highlighted entry up (0) or down (1)
    void List3_MouseUp(Qt::MouseButton Button); // right button: delete after asking

    // Sounds, animation speed, colours and condition definitions. The first
    // five also run when the load sets their controls.
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Check5_Click();
    void Option6_Click(int Index);
    void Command4_Click(int Index); // colour chooser: 0 text, 1 back colour
    void Option3_Click(int Index);  // category of a new definition
    void Command6_Click();          // "Add Definition"
    void Command7_Click();          // "Restore Originals"

    // The proxy credentials and the mail accounts, kept in the settings store.
    void Command9_Click();
    void Command5_Click();
    void Command8_Click();
    void Option2_Click(int Index);
    // Selects a mail-account button from code: its handler runs as for a
    // click, also when the button was already on.
    void selectOption2(int Index);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCityTab();
    QWidget* buildInternetTab();
    QWidget* buildSettingsTab();
    QWidget* buildIconTab();
    void readStatesFileOrEnd();
    void centre();
    void connectCommands();
    void connectWatchListEditing();
    void connectAlertSettings();
    void saveAndHide(int Index);
    void cancelAndHide();
    void backToDesignValues();
    // The load's reads of the store that Cancel repeats.
    void readDigitColour();
    void readPopUpChoice();
    void readProxyCredentials();
    void rereadInternetSection();
    void deleteHighlighted();
    void watchListChanged();

    DesignValues designValues_;
    bool loading_ = false;
};
