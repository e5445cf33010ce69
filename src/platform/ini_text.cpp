#include "platform/ini_text.h"

#include <QStringDecoder>

namespace {

// Keys without a section live under [General]; a section of that name is
// written "[%General]".
const QLatin1String kRootSection("General");
const QLatin1String kEscapedRootName("%General");

bool isHexDigit(char16_t ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

bool isOctalDigit(char16_t ch)
{
    return ch >= '0' && ch <= '7';
}

bool isLineEnd(char ch)
{
    return ch == '\n' || ch == '\r';
}

// CR LF and LF CR end a line as one.
bool isLineEndPair(char first, char second)
{
    return isLineEnd(first) && isLineEnd(second) && first != second;
}

bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// What a line may begin with and is passed over.
bool isLeadingSpace(char ch)
{
    return isBlank(ch) || isLineEnd(ch);
}

// Letters, digits and "_-." stay; "/" becomes "\"; anything else %XX, or
// %UXXXX above Latin-1.
QByteArray escapedName(const QString& name)
{
    QByteArray out;
    for (QChar c : name) {
        const char16_t ch = c.unicode();
        if (ch == '/')
            out += '\\';
        else if ((ch < 0x80 && c.isLetterOrNumber()) || ch == '_' || ch == '-' || ch == '.')
            out += static_cast<char>(ch);
        else if (ch <= 0xFF)
            out += '%' + QByteArray::number(ch, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(ch, 16).toUpper().rightJustified(4, '0');
    }
    return out;
}

// A name is UTF-8 text in which "\" stands for "/" and %XX or %UXXXX for
// the character of that hex code; a "%" that starts no such code is itself.
QString unescapedName(QByteArrayView text)
{
    const QString decoded = QString::fromUtf8(text);
    QString name;
    qsizetype i = 0;
    while (i < decoded.size()) {
        const QChar ch = decoded[i];
        if (ch == QLatin1Char('\\')) {
            name += QLatin1Char('/');
            ++i;
            continue;
        }
        const bool code = ch == QLatin1Char('%') && i + 1 < decoded.size();
        const bool wide = code && decoded[i + 1] == QLatin1Char('U');
        const qsizetype from = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = code && from + digits <= decoded.size();
        // The digits are read as QSettings reads them: "% 1" and "%+1" are codes, "%-1" is not.
        const ushort value = ok ? QStringView(decoded).sliced(from, digits).toUShort(&ok, 16) : 0;
        if (ok) {
            name += QChar(value);
            i = from + digits;
        } else {
            name += ch;
            ++i;
        }
    }
    return name;
}

// The control characters with an escape letter of their own.
constexpr char kEscapeLetters[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                      {'r', '\r'}, {'t', '\t'}, {'v', '\v'}};

// The escape that stands for a character of a value, or nothing when the
// character is written as it is. A hex digit right after a \x escape would
// be read as part of it, so it is escaped too. U+FEFF is escaped because
// a reader drops it where it begins the value's text, as a byte-order mark.
QByteArray escapeOf(char16_t ch, bool afterHexEscape)
{
    for (const auto& [letter, control] : kEscapeLetters)
        if (ch == static_cast<char16_t>(control))
            return QByteArray("\\") + letter;
    if (ch == '"' || ch == '\\')
        return QByteArray("\\") + static_cast<char>(ch);
    if (ch < 0x20 || ch == 0xFEFF || (afterHexEscape && isHexDigit(ch)))
        return "\\x" + QByteArray::number(ch, 16);
    return {};
}

QByteArray escapedValue(const QString& value)
{
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QByteArray out;
    QString plain; // characters written as they are, in UTF-8
    bool quoted = false;
    bool afterHexEscape = false;
    for (QChar c : text) {
        const char16_t ch = c.unicode();
        quoted = quoted || ch == ';' || ch == ',' || ch == '=';
        const QByteArray escape = escapeOf(ch, afterHexEscape);
        afterHexEscape = escape.startsWith("\\x");
        if (escape.isEmpty()) {
            plain += c;
        } else {
            out += plain.toUtf8() + escape;
            plain.clear();
        }
    }
    out += plain.toUtf8();
    if (quoted || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

// Reads the escape whose letter is at text[i] and moves i past it. An
// unknown letter, "\x" without a hex digit and a line end (the line goes
// on in the next one) stand for nothing.
QString unescaped(QByteArrayView text, qsizetype& i)
{
    const char letter = text[i++];
    for (const auto& [name, control] : kEscapeLetters)
        if (letter == name)
            return QString(QLatin1Char(control));
    if (letter == '"' || letter == '\\' || letter == '\'' || letter == '?')
        return QString(QLatin1Char(letter));
    const bool hex = letter == 'x' && i < text.size() && isHexDigit(text[i]);
    if (hex || isOctalDigit(letter)) {
        char16_t code = hex ? 0 : static_cast<char16_t>(letter - '0');
        for (; i < text.size() && (hex ? isHexDigit(text[i]) : isOctalDigit(text[i])); ++i) {
            const char digit = text[i];
            const int digitValue = digit <= '9' ? digit - '0' : (digit | 0x20) - 'a' + 10;
            code = static_cast<char16_t>(code * (hex ? 16 : 8) + digitValue);
        }
        return QString(QChar(code));
    }
    if (i < text.size() && isLineEndPair(letter, text[i]))
        ++i;
    return {};
}

// A value's text: blanks before it are skipped, and so are blanks after a
// closing double quote; blanks at its end are cut unless the value holds a
// double quote or they came from an escape. The UTF-8 text between escapes
// and quotes is decoded as one stream, which drops a byte-order mark at its
// very start.
QString unescapedValue(QByteArrayView text)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString value;
    qsizetype kept = 0; // the blanks before this one stay
    bool inQuotes = false;
    bool quoted = false;
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        kept = value.size();
    };
    skipBlanks();
    while (i < text.size()) {
        if (text[i] == '\\') {
            ++i;
            if (i < text.size())
                value += unescaped(text, i);
            kept = value.size();
        } else if (text[i] == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else {
            const qsizetype start = i++;
            while (i < text.size() && text[i] != '\\' && text[i] != '"')
                ++i;
            value += utf8.decode(text.sliced(start, i - start));
        }
    }
    if (!quoted) {
        qsizetype end = value.size();
        while (end > kept && (value[end - 1] == QLatin1Char(' ') || value[end - 1] == QLatin1Char('\t')))
            --end;
        value.truncate(end);
    }
    if (value.startsWith(QLatin1String("@@")))
        value.remove(0, 1);
    return value;
}

// A line of the file: its text and where its "=" stands (-1 when none).
struct IniLine {
    QByteArrayView text;
    qsizetype equals = -1;
};

// The next line from `pos` on, after blank and comment lines. A line end
// inside double quotes or after "\" does not end the line; a ";" outside
// double quotes does, and begins a comment that runs to the line end. An
// empty line is the end of the text.
IniLine nextLine(QByteArrayView text, qsizetype& pos)
{
    qsizetype start = pos;
    while (start < text.size() && isLeadingSpace(text[start]))
        ++start;
    qsizetype equals = -1;
    bool inQuotes = false;
    qsizetype i = start;
    while (i < text.size()) {
        const char ch = text[i];
        if ((isLineEnd(ch) || ch == ';') && !inQuotes && i > start)
            break;
        ++i;
        if (ch == '=' && !inQuotes && equals < 0) {
            equals = i - 1 - start;
        } else if (ch == '\\' && i < text.size()) {
            const char next = text[i++];
            if (i < text.size() && isLineEndPair(next, text[i]))
                ++i;
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';' && i - 1 == start) { // a comment line
            while (i < text.size() && !isLineEnd(text[i]))
                ++i;
            while (i < text.size() && isLeadingSpace(text[i]))
                ++i;
            start = i;
        }
    }
    pos = i;
    return {text.sliced(start, i - start), equals};
}

// The key prefix of a section line's name: none for the root section.
QString sectionPrefix(QByteArrayView name)
{
    if (QLatin1String(name).compare(kRootSection, Qt::CaseInsensitive) == 0)
        return QString();
    if (QLatin1String(name).compare(kEscapedRootName, Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1)) + QLatin1Char('/');
    return unescapedName(name) + QLatin1Char('/');
}

QByteArray sectionLine(const QString& section, bool root)
{
    if (root)
        return "[General]\n";
    const bool clash = section.compare(kRootSection, Qt::CaseInsensitive) == 0;
    return '[' + (clash ? QByteArray("%") : QByteArray()) + escapedName(section) + "]\n";
}

} // namespace

IniValues parseIni(const QByteArray& text)
{
    QByteArrayView rest(text);
    if (rest.startsWith("\xEF\xBB\xBF")) // a UTF-8 byte-order mark
        rest = rest.sliced(3);
    IniValues values;
    QString prefix;
    qsizetype pos = 0;
    for (IniLine line = nextLine(rest, pos); !line.text.isEmpty(); line = nextLine(rest, pos)) {
        if (line.text.startsWith('[')) {
            const qsizetype close = line.text.indexOf(']');
            prefix = sectionPrefix(line.text.first(close < 0 ? line.text.size() : close).sliced(1).trimmed());
        } else if (line.equals >= 0) {
            values.insert(prefix + unescapedName(line.text.first(line.equals).trimmed()),
                          unescapedValue(line.text.sliced(line.equals + 1)));
        }
    }
    return values;
}

QByteArray composeIni(const IniValues& values)
{
    // Keys without a section first, as "" sorts first.
    QMap<QString, QByteArray> sections;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QString() : it.key().first(slash);
        QByteArray& lines = sections[section];
        if (lines.isEmpty())
            lines = sectionLine(section, slash < 0);
        lines += escapedName(it.key().sliced(slash + 1)) + '=' + escapedValue(it.value()) + '\n';
    }
    QByteArray text;
    for (const QByteArray& lines : sections) {
        if (!text.isEmpty())
            text += '\n'; // a blank line between sections
        text += lines;
    }
    return text;
}
