#pragma once
#include <QString>
#include <QWidget>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The day's horoscope of one sign, fetched when the window loads.
class Horoscope : public QWidget {
    Q_OBJECT
public:
    explicit Horoscope(QWidget* parent = nullptr);

    // The sign to show: one of the twelve names, set by the main window's
    // menu before the window opens. It outlives the window.
    static QString Sign;

    QLabel* Label1 = nullptr;            // the sign's name and date range
    std::array<QLabel*, 13> Image2{};    // 0 the picture shown; 1-12 the signs' pictures
    QPlainTextEdit* Text1 = nullptr;     // the paragraph, or what went wrong
    QPushButton* Command1 = nullptr;     // "Tell Me More"

    // Names the sign, shows the window and fetches and shows the day's paragraph.
    void Form_Load();
    void Command1_Click();

private:
    void Set_Sign(const QString& name);
    void Show_Horoscope(const QString& Page);
    // The failure notice; endTransfer also ends the fetch on the main
    // window's control and its busy indicators.
    void reportFailure(bool endTransfer);
    QString signCode;
};
