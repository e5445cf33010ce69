#include "update/roundup_layouts.h"

#include <iterator>

namespace {

const RoundupLayout kLayouts[] = {
    // Five characters each for temperature and dewpoint, nine for the wind,
    // eight for the pressure.
    {"", {kRoundupNameWidth, 9, 5, 5, 4, 9, 8}},
    // The numbers stand right-aligned in three characters with a blank
    // behind each; ten characters of wind, seven of pressure.
    {"CITY           SKY/WX    TMP DP  RH WIND       PRES   REMARKS", {kRoundupNameWidth, 9, 4, 4, 4, 10, 7}},
};

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// The nearest heading line that begins before index `before`, or an empty
// view when there is none.
QStringView headingAbove(const QString& page, qsizetype before)
{
    for (qsizetype from = before - 1; from >= 0;) {
        const qsizetype at = page.lastIndexOf(QLatin1String("CITY"), from);
        if (at < 0)
            break;
        if (at == 0 || isLineBreak(page[at - 1])) {
            qsizetype end = at;
            while (end < page.size() && !isLineBreak(page[end]))
                ++end;
            const QStringView line = QStringView(page).mid(at, end - at);
            if (line.contains(u"SKY/WX"))
                return line;
        }
        from = at - 1;
    }
    return {};
}

} // namespace

const RoundupLayout& roundupLayoutAt(const QString& page, qsizetype position)
{
    const QStringView heading = headingAbove(page, position - 1);
    for (auto layout = std::next(std::begin(kLayouts)); layout != std::end(kLayouts); ++layout) {
        if (!heading.isEmpty() && heading.startsWith(QLatin1String(layout->heading)))
            return *layout;
    }
    return kLayouts[0];
}
