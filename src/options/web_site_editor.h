#pragma once
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Web Site Editor": edits a working copy of the user's favourite web sites
// (at most ten). The web-site menu, its table and WebSites.cvd change only on
// "Exit". The window does not block the main window and is released when it
// closes.
class Form10 : public QWidget {
    Q_OBJECT
public:
    explicit Form10(QWidget* parent = nullptr);

    // Opening: centres the window and lists the filled rows of the table.
    void Form_Load();

    std::array<QLabel*, 3> Label1{}; // captions: "Web Site List", "Site Name:", "URL Address:"
    QLabel* Label2 = nullptr;        // the instructions
    // 0 the site names; 1 their addresses (hidden, parallel to 0).
    std::array<QListWidget*, 2> List1{};
    std::array<QLineEdit*, 2> Text1{}; // name, address
    // 0 Add Site, 1 Save Editing, 2 Delete Site, 3 Cancel, 4 Exit
    std::array<QPushButton*, 5> Command1{};

    void List1_Click();
    void Command1_Click(int Index);

protected:
    // The window goes when it closes (the next opening starts afresh).
    void closeEvent(QCloseEvent* event) override;

private:
    void addSite();
    void saveEditing();
    void deleteSite();
    void exitSaving();
    void selectRow(int row);
    bool siteRefused() const;
};

// The editor while it is open; opening it from the menu again only brings it
// to the front.
Form10& form10();
bool form10Loaded();
void discardForm10();
