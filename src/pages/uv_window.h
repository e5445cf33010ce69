#pragma once
#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The UV window: a station's UV value from the last update beside a fixed
// legend of the UV categories. "OK" unloads it.
class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;          // "UV Index for <place> Is:"
    QLabel* Label2 = nullptr;          // the value
    QLabel* Picture1 = nullptr;        // a sun
    QPushButton* Command1 = nullptr;   // "OK"
    QPlainTextEdit* Text1 = nullptr;   // the legend, in red

    void Command1_Click();
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
};

// The window, created (owned by the main window) on first use.
Form3& form3();
bool form3Loaded();

// The legend of the UV categories, line by line, each line ended by CR LF.
QString uvLegend();

// Shows the UV value of the station in slot Index (0 to 9) as the last
// update read it: "Not Available" for a place the table does not hold in
// the station's state.
void Show_UV_Index(int Index);
