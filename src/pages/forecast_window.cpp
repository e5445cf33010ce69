#include "pages/forecast_window.h"

#include "pages/page_text.h"
#include "pages/page_window_slot.h"
#include "platform/screen.h"
#include "platform/color_values.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRect>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

PageWindowSlot<WForcast> theWForcast;

constexpr int kWindowWidth = 560;

// Where a mark next stands at or after a place, for places that only move
// forward: each stretch of the text is searched once, however many groups
// ask, so a search of the whole product stays linear.
class NextMark {
public:
    NextMark(QStringView text, QLatin1String mark) : text_(text), mark_(mark) {}
    // -1 when the mark does not stand there or later.
    qsizetype from(qsizetype place)
    {
        if (!searched_ || (found_ >= 0 && found_ < place)) {
            found_ = text_.indexOf(mark_, place);
            searched_ = true;
        }
        return found_;
    }

private:
    QStringView text_;
    QLatin1String mark_;
    qsizetype found_ = -1;
    bool searched_ = false;
};

ZoneForecast::Found searchBlocks(const QString& product, const QString& name, const QString& zone, QString& block)
{
    NextMark groupEnd(product, QLatin1String("$$"));
    std::array<NextMark, 2> otherEnds{NextMark(product, QLatin1String("NNNN")), NextMark(product, QLatin1String(".<"))};
    qsizetype from = 0;
    for (qsizetype at = product.indexOf(zone, from); at >= 0; at = product.indexOf(zone, from)) {
        qsizetype end = groupEnd.from(at);
        if (end < 0)
            return ZoneForecast::Found::Uncuttable;
        // The other end marks count only before the "$$".
        for (NextMark& other : otherEnds) {
            const qsizetype mark = other.from(at);
            if (mark >= 0 && mark < end)
                end = mark;
        }
        block = product.mid(at, end - at);
        if (block.contains(name))
            return ZoneForecast::Found::Block;
        from = std::max(end, at + 1);
    }
    return ZoneForecast::Found::NoBlock;
}

// A key that types a character, as a key press on its own does: Shift, Ctrl
// or Alt alone types nothing, and a key held with Alt is a command to the
// desktop or a menu (Alt+Tab), not typing.
bool typesCharacter(const QKeyEvent& key)
{
    return !key.text().isEmpty() && !key.modifiers().testFlag(Qt::AltModifier);
}

// The number of lines the text takes in the box, wrapped lines counted.
int wrappedLineCount(const QPlainTextEdit& box, int width)
{
    int lines = 0;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        QTextLayout layout(block.text(), box.font());
        layout.setTextOption(box.document()->defaultTextOption());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++lines;
        }
        layout.endLayout();
    }
    return std::max(lines, 1);
}

} // namespace

ZoneForecast findZoneForecast(const QString& product, const QString& place, const QString& zone)
{
    ZoneForecast result;
    result.found = searchBlocks(product, place, zone, result.block);
    const qsizetype blank = place.indexOf(QLatin1Char(' '));
    if (result.found == ZoneForecast::Found::NoBlock && blank >= 0)
        result.found = searchBlocks(product, place.left(blank), zone, result.block);
    return result;
}

QString zoneForecastText(const QString& block, const QString& place)
{
    const QString heading = QStringLiteral("FORECAST FOR ") + place + QStringLiteral("\r\n\r\n");
    const int blanks = static_cast<int>(std::floor(65 - heading.size() / 2.0));
    QString text = QString(std::max(blanks, 0), QLatin1Char(' ')) + heading;
    const qsizetype period = block.indexOf(QLatin1String("\r\n."));
    for (qsizetype i = (period < 0 ? 0 : period) + 3; i < block.size(); ++i) {
        const QChar c = block[i];
        if (c == QLatin1Char('\r') && i + 1 < block.size() && block[i + 1] == QLatin1Char('\n'))
            continue; // the line feed after it breaks the line
        if (c != QLatin1Char('\n')) {
            text += c;
            continue;
        }
        text += QLatin1String("\r\n");
        if (i + 1 < block.size() && block[i + 1] == QLatin1Char('.'))
            ++i;
    }
    while (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    return text;
}

QString noZoneForecastText(const QString& place)
{
    return QStringLiteral("Sorry, No Forecast for ") + place + QStringLiteral(" at this time.\r\n");
}

WForcast& wForcast()
{
    return theWForcast.instance();
}

bool wForcastLoaded()
{
    return theWForcast.loaded();
}

WForcast::WForcast(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString());
    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->document()->setDocumentMargin(2);
    // Forecast lines take 13 pixels each: the largest font whose lines fit
    // with a pixel to spare.
    QFont font = Text1->font();
    for (int pixels = 12; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).lineSpacing() < 13)
            break;
    }
    Text1->setFont(font);
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Base, toQColor(0xC0FFFF)); // light yellow
    Text1->setPalette(palette);
    Text1->installEventFilter(this);
    Text1->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text1);
    setFixedWidth(kWindowWidth);
}

void WForcast::PutText(const QString& TheText, const QString& CityName, const QString& Zone)
{
    const ZoneForecast forecast = findZoneForecast(TheText, CityName, Zone);
    switch (forecast.found) {
    case ZoneForecast::Found::Block:
        PutTextIn(forecast.block, CityName);
        break;
    case ZoneForecast::Found::NoBlock:
        Text1->setPlainText(plainLines(noZoneForecastText(CityName)));
        Size_Forecast_Window();
        break;
    case ZoneForecast::Found::Uncuttable:
        break;
    }
}

void WForcast::PutTextIn(const QString& block, const QString& CityName)
{
    Text1->setPlainText(plainLines(zoneForecastText(block, CityName)));
    Text1->moveCursor(QTextCursor::End);
    Size_Forecast_Window();
}

void WForcast::Size_Forecast_Window()
{
    sizeToLines(13);
}

void WForcast::Size_Planets_Window()
{
    sizeToLines(15);
}

void WForcast::sizeToLines(int pixelsPerLine)
{
    const int margins = 2 * static_cast<int>(Text1->document()->documentMargin()) + 2 * Text1->frameWidth();
    const int lines = wrappedLineCount(*Text1, kWindowWidth - margins);
    const int step = std::max(pixelsPerLine, Text1->fontMetrics().lineSpacing() + 1);
    const int tallest = screenArea().height() - 80;
    const int height = lines * step + margins;
    Text1->setVerticalScrollBarPolicy(height > tallest ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setFixedHeight(std::min(height, tallest));
}

void WForcast::Text1_Click()
{
    done(QDialog::Accepted);
}

void WForcast::Text1_KeyPress()
{
    done(QDialog::Accepted);
}

void WForcast::done(int result)
{
    QDialog::done(result);
    theWForcast.unload(this);
}

bool WForcast::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        Text1_Click();
        return true;
    }
    if (watched == Text1 && event->type() == QEvent::KeyPress && typesCharacter(*static_cast<QKeyEvent*>(event))) {
        Text1_KeyPress();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
