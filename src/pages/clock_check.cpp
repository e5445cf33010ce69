#include "pages/clock_check.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/page_fetch.h"
#include "platform/daytime_client.h"
#include "platform/number_formats.h"
#include "platform/system_clock.h"
#include "platform/user_dialogs.h"
#include "platform/waits.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"

#include <QRegularExpression>
#include <QUrl>
#include <cstdlib>

namespace {

const QString kClockTitle = QStringLiteral("Corvane Time");

// Reads the time server's daytime line, saying in status panel 1 that it
// waits for the server and then what became of it. nullopt when no answer
// came or its date and time did not read; *trouble then says which, in a
// box's words.
std::optional<DaytimeReading> readTimeServer(QString* trouble)
{
    const QUrl server(sites::TimeServerSite());
    form1().setPanelText(1, QStringLiteral("Corvane Contacting Time Server ..... Please Wait"));
    const QString reply = readDaytime(server.host(), static_cast<quint16>(server.port(13)), program().InetTimeout);
    if (reply.trimmed().isEmpty()) {
        form1().setPanelText(1, QStringLiteral("The time server could not be reached."));
        *trouble = QStringLiteral("The time server (%1) could not be reached.\r\nTry again later.").arg(server.host());
        return std::nullopt;
    }
    const DaytimeReading reading = readDaytimeLine(reply);
    if (!reading.instant) {
        form1().setPanelText(1, QStringLiteral("The time server's answer could not be read."));
        *trouble = QStringLiteral("The time server (%1) sent an answer that could not be read as a date and time."
                                  "\r\nThe clock has not been checked.")
                       .arg(server.host());
        return std::nullopt;
    }
    form1().setPanelText(1, QString());
    return reading;
}

// The date and time fields as an instant, when they hold two digits in
// each place and name a real day and time.
std::optional<QDateTime> serverInstant(const QString& yearMonthDay, const QString& time)
{
    static const QRegularExpression dateShape(QStringLiteral("^[0-9]{2}-[0-9]{2}-[0-9]{2}$"));
    static const QRegularExpression timeShape(QStringLiteral("^[0-9]{2}:[0-9]{2}:[0-9]{2}$"));
    if (!dateShape.match(yearMonthDay).hasMatch() || !timeShape.match(time).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(yearMonthDay, QStringLiteral("yy-MM-dd")).addYears(100);
    const QTime clock = QTime::fromString(time, QStringLiteral("HH:mm:ss"));
    if (!date.isValid() || !clock.isValid())
        return std::nullopt;
    return QDateTime(date, clock, Qt::UTC);
}

} // namespace

QString daylightSavingText(const QString& code)
{
    const double v = leadingNumber(code);
    if (v == 0 || (v >= 51 && v <= 99))
        return QStringLiteral("Standard Time");
    if (v >= 1 && v <= 50)
        return QStringLiteral("Daylight Savings Time");
    return QString();
}

DaytimeReading readDaytimeLine(const QString& reply)
{
    DaytimeReading reading;
    QString rest = reply.mid(7);
    const QString yearMonthDay = rest.left(8);
    reading.dateText = rest.mid(3, 5) + QLatin1Char('-') + rest.left(2);
    rest = rest.mid(9);
    reading.timeText = rest.left(8);
    rest = rest.mid(9);
    reading.daylightText = daylightSavingText(rest.left(2));
    rest = rest.mid(5);
    reading.healthy = rest.startsWith(QLatin1Char('0'));
    reading.instant = serverInstant(yearMonthDay, reading.timeText);
    return reading;
}

QString clockOfferText(const DaytimeReading& reading, const QString& systemTime)
{
    return QStringList{
        QStringLiteral("Greenwich Mean Time"),
        QStringLiteral("Date: ") + reading.dateText,
        QStringLiteral("Greenwich Time: ") + reading.timeText,
        reading.daylightText,
        QStringLiteral("The System Time: ") + systemTime,
        QString(),
        QStringLiteral("Time is Verified"),
        QString(),
        QStringLiteral("The time is from an Atomic Clock"),
        QStringLiteral("at the U.S. Naval Observatory."),
        QString(),
        QStringLiteral("Would you like to set your System"),
        QStringLiteral("Clock to the exact time?"),
    }.join(QStringLiteral("\r\n"));
}

QString clockErrorText(const DaytimeReading& reading)
{
    return QStringList{
        QStringLiteral("Greenwich Mean Time"),
        QStringLiteral("Date: ") + reading.dateText,
        QStringLiteral("Time: ") + reading.timeText,
        reading.daylightText,
        QString(),
        QStringLiteral("Time Error"),
        QString(),
        QString(),
    }.join(QStringLiteral("\r\n"));
}

QDateTime clockTarget(const QDateTime& computerNow, const QDateTime& serverInstant, const QTimeZone& zone)
{
    const QTime timeOfDay = serverInstant.toTimeZone(zone).time();
    const QDateTime now = computerNow.toTimeZone(zone);
    QDateTime best;
    for (int days : {-1, 0, 1}) {
        const QDateTime candidate(now.date().addDays(days), timeOfDay, zone);
        if (!best.isValid() || std::abs(now.secsTo(candidate)) < std::abs(now.secsTo(best)))
            best = candidate;
    }
    return best;
}

void GreenwichTime_Click()
{
    QString trouble;
    const std::optional<DaytimeReading> first = readTimeServer(&trouble);
    if (programClosing())
        return;
    if (!first) {
        MsgBox(trouble, MsgButtons::Ok, MsgIcon::Exclamation, kClockTitle);
        return;
    }
    if (!first->healthy) {
        MsgBox(clockErrorText(*first), MsgButtons::Ok, MsgIcon::Information, kClockTitle);
        return;
    }
    const QString systemTime = systemNow().toString(QStringLiteral("HH:mm:ss"));
    const MsgResult wanted = MsgBox(clockOfferText(*first, systemTime), MsgButtons::YesNo, MsgIcon::Information,
                                    kClockTitle, MsgDefault::Second);
    if (wanted != MsgResult::Yes || programClosing())
        return;

    const std::optional<DaytimeReading> second = readTimeServer(&trouble);
    if (programClosing())
        return;
    // A server gone, ill or unreadable since the first reading, or a clock
    // the system refuses to set, is reported as not set.
    if (!second || !second->healthy
        || !setSystemClock(clockTarget(systemNow(), *second->instant, QTimeZone::systemTimeZone()))) {
        MsgBox(QStringLiteral("An Error Occured!\r\n\r\nThe time has not been set!"), MsgButtons::Ok,
               MsgIcon::Exclamation);
        return;
    }
    DoEvents();
    if (programClosing())
        return;
    MsgBox(QStringLiteral("The time has been set!"), MsgButtons::Ok, MsgIcon::Exclamation);
}
