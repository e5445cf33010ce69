#include "settings/string_routines.h"

#include "platform/program_folder.h"
#include "platform/sound_player.h"
#include "settings/program_state.h"


namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The length of the run of letters (digits when `digits` is set) from
// `from`; a run longer than three counts as none.
qsizetype groupLength(const QString& text, qsizetype from, bool digits)
{
    qsizetype end = from;
    while (end < text.size() && isDigit(text[end]) == digits)
        ++end;
    return end - from <= 3 ? end - from : 0;
}

QString padded(const QString& text)
{
    return text.leftJustified(3, QLatin1Char(' '));
}

} // namespace

std::optional<WindGroups> windGroups(const QString& wind)
{
    WindGroups groups;
    const qsizetype letters = groupLength(wind, 0, false);
    const qsizetype digits = letters == 0 ? 0 : groupLength(wind, letters, true);
    if (digits == 0)
        return std::nullopt;
    groups.direction = wind.left(letters);
    groups.speed = wind.mid(letters, digits);
    const qsizetype gustAt = letters + digits;
    if (gustAt == wind.size())
        return groups;
    // A gust: one letter, then its digits to the end.
    const qsizetype gustDigits = groupLength(wind, gustAt + 1, true);
    if (gustDigits == 0 || gustAt + 1 + gustDigits != wind.size())
        return std::nullopt;
    groups.gustLetter = wind[gustAt];
    groups.gust = wind.mid(gustAt + 1);
    return groups;
}

WindParts splitWind(const QString& wind)
{
    QString direction;
    QString speed = QStringLiteral("0");
    QString gust;
    if (const std::optional<WindGroups> groups = windGroups(wind)) {
        direction = groups->direction;
        speed = QString::number(groups->speed.toInt());
        if (!groups->gust.isEmpty())
            gust = QString::number(groups->gust.toInt());
    }
    if (speed == QLatin1String("0"))
        direction = QStringLiteral("N");
    if (direction.size() == 1)
        direction = QLatin1Char(' ') + direction + QLatin1Char(' ');
    else if (direction.size() == 2)
        direction += QLatin1Char(' ');
    return {direction, padded(speed), gust.isEmpty() ? QString() : padded(gust)};
}

bool Split_Wind(const QString& wind)
{
    const WindParts parts = splitWind(wind);
    program().WindDir = parts.direction;
    program().WindSpeed = parts.speed;
    program().WindGust = parts.gust;
    return true;
}

QString Get_FileName(const QString& url)
{
    const qsizetype slash = url.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QStringLiteral("No Name") : url.mid(slash + 1);
}

QString Get_URLPath(const QString& url)
{
    const qsizetype slash = url.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QStringLiteral("No Name") : url.left(slash + 1);
}

QString Mask_Bulletin(QString& text)
{
    const QChar mask(1);
    // Tags, up to the next ">" or the end of the text.
    for (qsizetype open = text.indexOf(QLatin1Char('<')); open >= 0; open = text.indexOf(QLatin1Char('<'), open)) {
        const qsizetype close = text.indexOf(QLatin1Char('>'), open);
        const qsizetype end = close < 0 ? text.size() : close + 1;
        for (qsizetype i = open; i < end; ++i)
            text[i] = mask;
        open = end;
    }
    text.replace(QLatin1String("NNNN"), QString(4, mask));
    text.replace(QLatin1String("$$"), QString(2, mask));
    // Runs of three or more line breaks keep two.
    const QString three = QStringLiteral("\r\n\r\n\r\n");
    for (qsizetype at = text.indexOf(three); at >= 0; at = text.indexOf(three, at)) {
        text[at] = mask;
        text[at + 1] = mask;
    }
    if (text.size() < 138)
        return QString();
    return text.left(text.size() - 138);
}

QString Strip_Tags(QString& text)
{
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), from);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('>'), open);
        if (close < 0) {
            result += QStringView(text).mid(from);
            break;
        }
        result += QStringView(text).mid(from, open - from);
        from = close + 1;
    }
    text = result;
    return result;
}

QString Flip_Bits(QString& text)
{
    for (QChar& c : text)
        c = QChar(static_cast<char16_t>(c.unicode() ^ 0xFF));
    return text;
}

void Play_Sound(const QString& fileName)
{
    // The sound lists offer "x.WAV" as "x": any spelling of the name plays.
    SoundPlayer::instance().play(fileInFolderAnyCase(programPath(QStringLiteral("Sounds")), fileName));
}
