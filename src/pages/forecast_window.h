#pragma once
#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QPlainTextEdit;

// The small forecast window: one light-yellow text without a caption, the
// window exactly as tall as the text's lines. A click or a character key in
// the text closes it (Shift, Ctrl or Alt alone does not; other keys scroll),
// and closing unloads it, so every use starts empty. It shows the
// forecast of a station's zone and the planets report; callers fill it,
// size it and show it modal (owned by the main window).
class WForcast : public QDialog {
    Q_OBJECT
public:
    explicit WForcast(QWidget* parent = nullptr);

    QPlainTextEdit* Text1 = nullptr;
    // The nine planets beside the planets report, hidden until it is shown.
    std::array<QLabel*, 9> ThePlanets{};

    // Fills Text1 with the forecast of CityName cut out of the zone forecast
    // product TheText (see zoneForecastText) and sizes the window. Writes
    // nothing when a zone group names no end ("$$") after it.
    void PutText(const QString& TheText, const QString& CityName, const QString& Zone);
    // Writes the heading for CityName and the reflowed zone group block,
    // then sizes the window.
    void PutTextIn(const QString& block, const QString& CityName);

    // The window sized to the lines of Text1 (wrapped lines counted): 13
    // pixels a line for forecasts, 15 for the planets report.
    void Size_Forecast_Window();
    void Size_Planets_Window();

    // Fills the window with the planets report cut out of a fetched page
    // (an error notice for an empty one), white on black in a fixed-pitch
    // font, shows the planets and sizes the window (planets.cpp).
    void ShowPlanets(const QString& TheText);

    void Text1_Click();
    void Text1_KeyPress();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sizeToLines(int pixelsPerLine);
};

// The window, created (owned by the main window) on first use.
WForcast& wForcast();
bool wForcastLoaded();

// What the search of a zone forecast product found.
struct ZoneForecast {
    enum class Found { Block, NoBlock, Uncuttable } found = Found::NoBlock;
    QString block; // the zone group that names the place
};

// Finds the first zone group of the product that names the place: a group
// starts at the zone code (exact case) and ends before the nearest "$$",
// "NNNN" or ".<" after it; a group without a "$$" after it cannot be cut.
// When no group names a place of several words, the search is made once more
// for its first word.
ZoneForecast findZoneForecast(const QString& product, const QString& place, const QString& zone);

// The window's text for a found block: "FORECAST FOR " and the place,
// centred by blanks, an empty line, then the block from its first forecast
// period on (a line that begins with "."), each period line without its
// full stop and trailing line breaks removed.
QString zoneForecastText(const QString& block, const QString& place);

// The window's text when no group names the place.
QString noZoneForecastText(const QString& place);
