#pragma once
#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// "Weather Radar Editor": edits a working copy of the user's local-radar list
// (at most ten pictures) and writes LocalRadar.cvd only on "Exit". Pictures
// can be typed in or picked from the built-in radar catalogue. The window
// does not block the main window and is released when it closes.
class Form9 : public QWidget {
    Q_OBJECT
public:
    explicit Form9(QWidget* parent = nullptr);

    // Opening: centres the window, brings the local-radar menu back in step
    // with the file and builds the working copy from it.
    void Form_Load();

    std::array<QLabel*, 4> Label1{}; // 0 list heading, 1 name, 2 argument, 3 pane heading
    QListWidget* List1 = nullptr;    // the names of the user's rows
    // 0 arguments and 1 kinds of the user's rows (hidden, parallel to List1);
    // 2 the catalogue names (shown with "Radar List"); 3 the catalogue as
    // triples of name, argument and kind (hidden).
    std::array<QListWidget*, 4> List2{};
    std::array<QPushButton*, 2> Command3{};   // move the selected row up, down
    QPlainTextEdit* Text2 = nullptr;          // the instructions
    std::array<QRadioButton*, 2> Option2{};   // "Instructions", "Radar List"
    QPushButton* Command2 = nullptr;          // "Find Radars"
    std::array<QLineEdit*, 2> Text1{};        // name, argument
    QGroupBox* Frame1 = nullptr;              // "The Image Is:"
    std::array<QRadioButton*, 3> Option1{};   // "Normal", "Animated Gif", "Special"
    // 0 Add Site, 1 Delete Site, 2 Cancel, 3 Exit, 4 Save Editing
    std::array<QPushButton*, 5> Command1{};

    void List1_Click();
    void Command1_Click(int Index);
    void Command3_Click(int Index);
    void Option2_Click(int Index);
    void List2_Click();
    void List2_DblClick();
    void Command2_Click();

protected:
    // The window goes when it closes (the next opening starts afresh).
    void closeEvent(QCloseEvent* event) override;

private:
    void addSite();
    void deleteSite();
    void saveEditing();
    void exitSaving();
    QString chosenKind() const;
    void showKind(const QString& kind);
    void selectRow(int row);
    bool entryRefused() const;
    void resetMenu();
};

// The editor while it is open; opening it from the menu again only brings it
// to the front.
Form9& form9();
bool form9Loaded();
void discardForm9();
