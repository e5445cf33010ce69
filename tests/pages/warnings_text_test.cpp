#include "pages/warnings_text.h"

#include "support/samples.h"
#include "update/active_alerts.h"

#include <QCryptographicHash>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

ActiveAlert alertOf(const QString& description)
{
    ActiveAlert alert;
    alert.event = "Flood Warning";
    alert.description = description;
    return alert;
}

AlertsAnswer answerOf(const QList<ActiveAlert>& alerts, qsizetype blankAlerts = 0)
{
    return AlertsAnswer{true, alerts, blankAlerts};
}

// "Dallas" and `lines` lines of "a": with the event and a blank line, 3 +
// `lines` lines.
QString dallasThenLines(int lines)
{
    return "Dallas" + QString("\na").repeated(lines);
}

QString lastLine(const QString& text)
{
    return text.sliced(text.lastIndexOf('\n') + 1);
}

} // namespace

TEST(WarningsText, RealAnswersShownWhole)
{
    const struct {
        const char* sample;
        const char* sha1; // of the text in UTF-8
    } cases[] = {
        {"alerts-active-MT-2024-03-05.json", "c7d9ead0918915d11923c88cb3d707f6302813a0"},
        {"alerts-active-HI-2024-03-14.json", "b1d127261a3699dd505330701c8fa6b50486553b"},
        {"alerts-active-HI-2026-09-25-excerpt.json", "e3ac29a485dcf71858c85797d45862c848fee63e"},
        {"alerts-active-TX-2024-05-none.json", "b14018e0e111f871cb98d21802705ec5937251ee"},
    };
    for (const auto& c : cases) {
        const QString text = stateWarningsText(readActiveAlerts(sampleBytes(c.sample)), "Texas");
        EXPECT_EQ(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex(), c.sha1) << c.sample;
    }
}

TEST(WarningsText, ATextPastItsBoundsEndsWithWhatWasLeftOut)
{
    const QString separator = "\n\n" + QString(60, '-') + "\n\n";
    const struct {
        const char* name;
        AlertsAnswer answer;
        QString last;
    } cases[] = {
        {"one alert of short lines", answerOf({alertOf(dallasThenLines(199'997))}),
         "Not shown: 100,000 more lines of this alert."},
        {"a line past the last that fits, and two more alerts",
         answerOf({alertOf(dallasThenLines(99'998)), alertOf("a"), alertOf("b")}),
         "Not shown: 1 more line of this alert and 2 more alerts."},
        // An alert begins only where its separator and first line fit:
        // alert n ends on line 4n - 3.
        {"many alerts of one line", answerOf(QList<ActiveAlert>(40'000, alertOf(""))),
         "Not shown: 15,000 more alerts."},
        // 10,000 lines of 1,000 characters, of which 7,991 fit after the
        // event and a blank line.
        {"an alert of long lines", answerOf({alertOf(QString(10'000'000, 'x')), alertOf("a")}),
         "Not shown: 2,009 more lines of this alert and 1 more alert."},
        {"blank alerts with one alert", answerOf({alertOf(dallasThenLines(2))}, 5), "a"},
    };
    for (const auto& c : cases) {
        const QString text = stateWarningsText(c.answer, "Texas");
        EXPECT_EQ(lastLine(text), c.last) << c.name;
        const QString shown = text.first(std::max<qsizetype>(text.lastIndexOf(separator), 0));
        EXPECT_LE(shown.count('\n') + 1, 100'000) << c.name;
        EXPECT_LE(shown.size(), 8'000'000) << c.name;
    }
}

TEST(WarningsText, LongLinesBrokenBetweenCharactersAndBlankAlertsLeftOut)
{
    // Characters beyond the first 65,536 take two UTF-16 units each.
    const QString faces = QString("x") + QString::fromUtf8("\U0001F600").repeated(1500);
    const QString text = stateWarningsText(answerOf({alertOf(faces)}), "Texas");
    for (const QString& line : text.split('\n'))
        EXPECT_TRUE(QStringView(line).isValidUtf16()) << line.size();
    EXPECT_EQ(text.split('\n').join(""), "Flood Warning" + faces);

    EXPECT_EQ(stateWarningsText(answerOf({}, 3), "Texas"), "");
    EXPECT_EQ(stateWarningsText(answerOf({}), "Texas"), "No watches, warnings or advisories are in effect for Texas.");
}
