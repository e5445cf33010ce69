#include "pages/storm_archive.h"

#include "mainwindow/transfer_state.h"
#include "platform/inet_control.h"
#include "platform/number_formats.h"
#include "platform/text_files.h"

#include <algorithm>

QStringList stormYears(int area, int currentYear)
{
    static constexpr std::array<int, 3> kFirstYears{1886, 1950, 1945};
    QStringList years;
    if (area < 0 || area >= static_cast<int>(kFirstYears.size()))
        return years;
    for (int year = currentYear; year >= kFirstYears[area]; --year)
        years << QString::number(year);
    return years;
}

QString seasonMapAddress(const QString& siteRoot, int area, const QString& year)
{
    return siteRoot
        + (QStringLiteral("/hurricane/") + QLatin1String(kStormAreaCodes.at(area)) + QLatin1Char('/') + year
           + QStringLiteral("/track.gif"))
              .toLower();
}

QString stormMapAddress(const QString& siteRoot, int area, const QString& year, const QString& name)
{
    return siteRoot + QStringLiteral("/hurricane/") + QLatin1String(kStormAreaCodes.at(area)) + QLatin1Char('/')
        + year + QLatin1Char('/') + name + QStringLiteral("/track.gif");
}

std::optional<QStringList> stormTable(const QString& page)
{
    const qsizetype start = page.indexOf(QLatin1String(" # Name"));
    if (start < 0)
        return std::nullopt;
    const qsizetype end = page.indexOf(QLatin1String("</PRE>"), start);
    if (end < 0)
        return std::nullopt;
    const QString table = page.mid(start, end - start);
    const qsizetype lastEnd = std::max(table.lastIndexOf(QLatin1Char('\n')), table.lastIndexOf(QLatin1Char('\r')));
    QStringList lines = splitLines(table.left(lastEnd + 1));
    if (!lines.isEmpty())
        lines.removeFirst(); // the heading
    return lines;
}

QString Get_Storm_Name(const QString& line)
{
    QString text = line;
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
    if (blank < 0)
        return QStringLiteral("NoName");
    const qsizetype start = text.mid(blank + 1).startsWith(QLatin1Char('#')) ? blank + 2 : blank + 1;
    return text.mid(start);
}

QString stormLineTitle(const QString& line)
{
    return line.mid(3, 25);
}

QString stormLegend()
{
    const QString row = QStringLiteral("%1 %2 %3 %4 %5 %6 %7");
    auto line = [&row](const char* type, const char* category, const char* pressure, const char* knots,
                       const char* mph, const char* surge, const char* colour) {
        QString text = row.arg(QLatin1String(type), -15)
                           .arg(QLatin1String(category), -8)
                           .arg(QLatin1String(pressure), -8)
                           .arg(QLatin1String(knots), -8)
                           .arg(QLatin1String(mph), -8)
                           .arg(QLatin1String(surge), -6)
                           .arg(QLatin1String(colour));
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        return text;
    };
    return QStringList{
        QStringLiteral("Saffir-Simpson Scale "),
        QStringLiteral("The chart color codes intensity (category based on Saffir-Simpson scale): "),
        QString(),
        line("Type", "Category", "Pressure", "Winds", "", "Surge", "Line Color"),
        line("", "", "(mb)", "(knts)", "(mph)", "(ft)", ""),
        line("Depression", "TD", "-----", "< 34", "< 39", "-----", "Green"),
        line("Tropical Storm", "TS", "-----", "34- 63", "39- 73", "-----", "Yellow"),
        line("Hurricane", "1", "> 980", "64- 82", "74- 95", "4- 5", "Red"),
        line("Hurricane", "2", "965-980", "83- 95", "96-110", "6- 8", "Light Red"),
        line("Hurricane", "3", "945-965", "96-112", "111-130", "9-12", "Magenta"),
        line("Hurricane", "4", "920-945", "113-134", "131-155", "13-18", "Light Magenta"),
        line("Hurricane", "5", "< 920", "> 134", "> 155", "> 18", "White"),
        QStringLiteral("NOTE: Pressures are in millibars and winds are in knots where one knot is equal to 1.15 mph"),
    }.join(QStringLiteral("\r\n"));
}

namespace {

// Two lines in the middle of the data box.
QString dataBoxNotice(const QString& first, const QString& second)
{
    const QString indent(20, QLatin1Char(' '));
    return QStringLiteral("\r\n").repeated(11) + indent + first + QStringLiteral("\r\n") + indent + second;
}

} // namespace

QString missingStormDataNotice()
{
    return dataBoxNotice(QStringLiteral("Data and Map can not be recovered for"), QStringLiteral("Sub Tropical Storms!"));
}

QString stormDataNotFetchedNotice()
{
    return dataBoxNotice(QStringLiteral("The storm's data could not be fetched."),
                         QStringLiteral("Please try again later."));
}

QString stormTransferText(int State, const QString& fetchItem, int errorNumber, int httpStatus)
{
    switch (State) {
    case InetControl::icNone:
        return QString();
    case InetControl::icResolvingHost:
    case InetControl::icHostResolved:
    case InetControl::icConnecting:
        return QStringLiteral("Corvane Looking For Host ..... Please Wait");
    case InetControl::icConnected:
        return QStringLiteral("Corvane Connected ..... Please Wait");
    case InetControl::icRequesting:
    case InetControl::icRequestSent:
    case InetControl::icReceivingResponse:
        return QStringLiteral("Corvane Retrieving ") + fetchItem + QStringLiteral(" ..... Please Wait");
    case InetControl::icResponseReceived:
        return requestAnsweredText(httpStatus);
    case InetControl::icDisconnecting:
        return QStringLiteral("Corvane Disconnecting..... Please Wait");
    case InetControl::icDisconnected:
        return QStringLiteral("Corvane Disconnected From Site....");
    case InetControl::icError:
        return QStringLiteral("Corvane Encountered an ERROR!");
    case InetControl::icResponseCompleted:
        return requestAnsweredText(httpStatus, QStringLiteral("Corvane Data Request Successful"));
    default:
        return QStringLiteral("Corvane ERROR Number: ") + numberForm(errorNumber) + QStringLiteral(" occured.");
    }
}
