#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>

class InetControl;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Current Buoy Observations": fetches the page of every current buoy report,
// keeps a copy in Buoy/BuoyData.cvd, lists the stations (under their built-in
// names where known), shows the selected station's readings and searches the list.
class Form11 : public QWidget {
    Q_OBJECT
public:
    explicit Form11(QWidget* parent = nullptr);

    QListWidget* List1 = nullptr;  // the stations of the last fetch, alphabetical
    QLineEdit* Text1 = nullptr;    // search text
    std::array<QPushButton*, 3> Command1{}; // "Get Data", "Exit", "Next"
    QLabel* Label2 = nullptr;      // status text
    // 0-8 the captions "Station:" to "Wave Height:", 9-17 their values;
    // 18/19 reports caption and count, 20/21 time, 23/22 date, 25/24
    // recognised buoys, 26 "Find:".
    std::array<QLabel*, 27> Label1{};
    QLabel* Image1 = nullptr;
    InetControl* Inet1 = nullptr;

    QString BuoyPage;        // the last fetched page, empty before the first
    QStringList BuoyNames;   // the built-in station names
    bool TextSelected = false; // the last click in Text1 selected all of it

    // Creates the Buoy folder, centres the window and takes the built-in
    // names out of the list, which stays empty until the first fetch.
    void Form_Load();
    void Command1_Click(int Index); // 0 fetch, 1 close, 2 find the next match
    void List1_Click();             // shows the selected station
    void Text1_KeyPress(int KeyAscii); // Enter finds the first match
    void Text1_Change();
    void Text1_Click();             // alternately selects the whole text and places the caret

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Get_Buoy_Data();
    // Lists the stations of BuoyPage under their built-in names where known,
    // letting events run between pieces of the work; false when the window
    // was deleted meanwhile.
    bool List_Buoys();
    // Selects a row as a click would, showing its station.
    void selectEntry(int row);
    void showFields(const QString& text);
};
