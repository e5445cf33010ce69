#include "settings/string_routines.h"

#include "platform/program_folder.h"
#include "platform/sound_player.h"
#include "settings/program_state.h"

#include <array>

namespace {

struct WindPattern {
    const char* pattern;
    int directionEnd;           // characters 1 to directionEnd
    int speedFrom, speedTo;
    int gustFrom, gustTo;       // 0 when the pattern has no gust
};

// Letter (L) and digit (N) patterns of the wind texts the sources write.
constexpr std::array<WindPattern, 19> kWindPatterns = {{
    {"LN", 1, 2, 2, 0, 0},          {"LNN", 1, 2, 3, 0, 0},         {"LNNN", 1, 2, 4, 0, 0},
    {"LLN", 2, 3, 3, 0, 0},         {"LLNN", 2, 3, 4, 0, 0},        {"LLNNN", 2, 3, 5, 0, 0},
    {"LLLN", 3, 4, 4, 0, 0},        {"LLLNN", 3, 4, 5, 0, 0},       {"LLLNNN", 3, 4, 6, 0, 0},
    {"LNLN", 1, 2, 2, 4, 4},        {"LNLNN", 1, 2, 2, 4, 5},       {"LNNLN", 1, 2, 3, 5, 5},
    {"LLNLNN", 2, 3, 3, 5, 6},      {"LNNLNN", 1, 2, 3, 5, 6},      {"LLNNLN", 2, 3, 4, 6, 6},
    {"LLNNLNN", 2, 3, 4, 6, 7},     {"LLNNLNNN", 2, 3, 4, 6, 8},    {"LLLNNLNN", 3, 4, 5, 7, 8},
    {"LLLNNNLNNN", 3, 4, 6, 8, 10},
}};

QString padded(const QString& text)
{
    return text.leftJustified(3, QLatin1Char(' '));
}

QString digitsAsNumber(const QString& text, int from, int to)
{
    return QString::number(text.mid(from - 1, to - from + 1).toInt());
}

} // namespace

WindParts splitWind(const QString& wind)
{
    QString pattern;
    for (const QChar c : wind)
        pattern += (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? QLatin1Char('N') : QLatin1Char('L');

    QString direction;
    QString speed = QStringLiteral("0");
    QString gust;
    for (const WindPattern& known : kWindPatterns) {
        if (pattern != QLatin1String(known.pattern))
            continue;
        direction = wind.left(known.directionEnd);
        speed = digitsAsNumber(wind, known.speedFrom, known.speedTo);
        if (known.gustFrom > 0)
            gust = digitsAsNumber(wind, known.gustFrom, known.gustTo);
        break;
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
