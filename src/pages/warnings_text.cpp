#include "pages/warnings_text.h"

#include "update/active_alerts.h"

#include <QLocale>
#include <QStringList>

namespace {

constexpr qsizetype kLongestShownLine = 1000;
constexpr qsizetype kMostShownLines = 100'000;
constexpr qsizetype kMostShownCharacters = 8'000'000;

const QString& separatorLine()
{
    static const QString line(60, u'-');
    return line;
}

// Calls `shown` with each line of the text as the window shows it: a line
// of more than kLongestShownLine characters is broken into lines of at most
// that many, at its last blank within them (which is left out) where it has
// one.
template <typename Shown> void forEachShownLine(QStringView text, Shown shown)
{
    for (qsizetype start = 0; start <= text.size();) {
        const qsizetype lineFeed = text.indexOf(u'\n', start);
        const qsizetype end = lineFeed < 0 ? text.size() : lineFeed;
        while (end - start > kLongestShownLine) {
            const qsizetype blank = text.sliced(start, kLongestShownLine + 1).lastIndexOf(u' ');
            qsizetype piece = blank > 0 ? blank : kLongestShownLine;
            if (blank <= 0 && text[start + piece - 1].isHighSurrogate() && text[start + piece].isLowSurrogate())
                --piece;
            shown(text.sliced(start, piece));
            start += blank > 0 ? piece + 1 : piece;
        }
        shown(text.sliced(start, end - start));
        start = end + 1;
    }
}

// The window's lines, up to its bounds; the lines past them are counted.
class ShownText {
public:
    // Adds the lines of `text` as shown.
    void add(QStringView text)
    {
        forEachShownLine(text, [this](QStringView line) {
            if (!hasRoomFor(1, line.size())) {
                full_ = true;
                ++leftOut_;
            } else {
                if (lines_ > 0)
                    text_ += u'\n';
                text_ += line;
                ++lines_;
            }
        });
    }
    bool hasRoomFor(qsizetype lines, qsizetype characters) const
    {
        return !full_ && lines_ + lines <= kMostShownLines && text_.size() + lines + characters <= kMostShownCharacters;
    }
    bool full() const { return full_; }
    qsizetype linesLeftOut() const { return leftOut_; }
    const QString& text() const { return text_; }

private:
    QString text_;
    qsizetype lines_ = 0;
    bool full_ = false;
    qsizetype leftOut_ = 0;
};

// One alert: its heading lines, then its description and instruction.
QString alertBlock(const ActiveAlert& alert)
{
    QStringList heading;
    for (const QString& line : {alert.event, alert.headline})
        heading << line.trimmed();
    if (!alert.areas.trimmed().isEmpty())
        heading << QStringLiteral("Areas: ") + alert.areas.trimmed();
    heading.removeAll(QString());
    QStringList paragraphs{heading.join(u'\n'), alert.description.trimmed(), alert.instruction.trimmed()};
    paragraphs.removeAll(QString());
    return paragraphs.join(QStringLiteral("\n\n"));
}

// "1 more alert", "2,500 more alerts".
QString more(qsizetype count, const QString& what)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(count) + QStringLiteral(" more ") + what
        + (count == 1 ? QString() : QStringLiteral("s"));
}

// The last line of a text cut short.
QString leftOutLine(qsizetype lines, qsizetype alerts)
{
    QStringList parts;
    if (lines > 0)
        parts << more(lines, QStringLiteral("line")) + QStringLiteral(" of this alert");
    if (alerts > 0)
        parts << more(alerts, QStringLiteral("alert"));
    return QStringLiteral("Not shown: ") + parts.join(QStringLiteral(" and ")) + u'.';
}

} // namespace

QString stateWarningsText(const AlertsAnswer& answer, const QString& stateName)
{
    if (!answer.anyAlert())
        return QStringLiteral("No watches, warnings or advisories are in effect for ") + stateName + u'.';
    // The lines between two alerts: the separator line, a blank line on
    // either side.
    const QString between = u'\n' + separatorLine() + u'\n';
    ShownText shown;
    qsizetype alert = 0;
    // An alert is begun only with room for the lines before it and its first.
    for (; alert < answer.alerts.size() && !shown.full(); ++alert) {
        if (alert > 0 && !shown.hasRoomFor(4, between.size() + kLongestShownLine))
            break;
        if (alert > 0)
            shown.add(between);
        shown.add(alertBlock(answer.alerts[alert]));
    }
    const qsizetype alertsLeftOut = answer.alerts.size() - alert;
    if (shown.linesLeftOut() == 0 && alertsLeftOut == 0)
        return shown.text();
    return shown.text() + QStringLiteral("\n\n") + separatorLine() + QStringLiteral("\n\n")
        + leftOutLine(shown.linesLeftOut(), alertsLeftOut);
}
