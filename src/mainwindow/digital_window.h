#pragma once
#include <QWidget>
#include <QList>
#include <QPixmap>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

// The digital display window: the current station drawn from digit and
// symbol glyphs in the chosen colour, stepping to the previous or next
// station, the warning lamp, the mail indicator and the wind/gust
// alternation. Closing it only hides it until the main window exits.
class WethWind : public QWidget {
    Q_OBJECT
public:
    explicit WethWind(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;               // place name
    std::array<QLabel*, 7> Label2{};        // status texts; item 6 "Updating..."
    std::array<QLabel*, 32> Image1{};       // glyph cells; 22 is the mail indicator, no 26
    QLabel* Image2 = nullptr;               // warning picture
    std::array<QPushButton*, 6> Command1{}; // 4 previous, 5 next station
    QTimer* Timer1 = nullptr;               // 2000 ms wind/gust alternation
    std::array<QLabel*, 14> Gif89a1{};      // condition pictures 1 to 13
    QLabel* Gif89a2 = nullptr;              // wind animation
    QTimer* WindTimer = nullptr;            // steps the wind animation

    void Form_Load();
    void DigitColorChange();
    void Command1_Click(int Index);
    void Timer1_Timer();
    void Image1_Click(int Index);
    void Image2_Click();
    void Label1_MouseUp(Qt::MouseButton Button, const QPoint& at);

    // Draws the characters of text into the cells named by two-digit
    // numbers in cells; characters without a glyph leave their cell alone.
    bool Pick_Graphic(const QString& text, const QString& cells);
    void setCellGlyph(int cell, int glyph);
    void clearCell(int cell);
    void showConditionPicture(int n);
    void setWindDelay(int ms);
    // The glyph a cell shows last (-1 none).
    int cellGlyph(int cell) const { return cellGlyph_[cell]; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Activate();
    std::array<int, 32> cellGlyph_{};
    QList<QPixmap> windFrames_;
    int windFrame_ = 0;
};
