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

#include <QUrl>
#include <cstdlib>

namespace {

const QString kClockTitle = QStringLiteral("Corvane Time");
const QString kNotReached = QStringLiteral("The time server could not be reached.");

// Reads the time server's daytime line, saying in status panel 1 that it
// waits for the server and then whether an answer came; nullopt when none
// did.
std::optional<DaytimeReading> readTimeServer()
{
    const QUrl server(sites::TimeServerSite());
    form1().setPanelText(1, QStringLiteral("Corvane Contacting Time Server ..... Please Wait"));
    const QString reply = readDaytime(server.host(), static_cast<quint16>(server.port(13)), program().InetTimeout);
    const bool answered = !reply.trimmed().isEmpty();
    form1().setPanelText(1, answered ? QString() : kNotReached);
    if (!answered)
        return std::nullopt;
    return readDaytimeLine(reply);
}

// The box of a time server that sent nothing: refused, silent or gone.
QString timeServerUnreachedText(const QString& host)
{
    return QStringLiteral("The time server (%1) could not be reached.\r\nTry again later.").arg(host);
}

std::optional<QDateTime> serverInstant(const QString& yearMonthDay, const QString& time)
{
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
    const std::optional<DaytimeReading> first = readTimeServer();
    if (programClosing())
        return;
    if (!first) {
        MsgBox(timeServerUnreachedText(QUrl(sites::TimeServerSite()).host()), MsgButtons::Ok, MsgIcon::Exclamation,
               kClockTitle);
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

    const std::optional<DaytimeReading> second = readTimeServer();
    if (programClosing())
        return;
    // A server gone or ill since the first reading, or a clock the system
    // refuses to set, is reported as not set.
    if (!second || !second->healthy || !second->instant
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
