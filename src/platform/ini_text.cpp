#include "platform/ini_text.h"

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

QString unescapedName(QByteArrayView text)
{
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const bool wide = ch == '%' && i + 1 < text.size() && text[i + 1] == 'U';
        const qsizetype from = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = ch == '%' && from + digits <= text.size();
        const int code = ok ? text.sliced(from, digits).toByteArray().toInt(&ok, 16) : 0;
        if (ok) {
            name += QChar(code);
            i = from + digits - 1;
        } else {
            name += ch == '\\' ? QLatin1Char('/') : QLatin1Char(ch);
        }
    }
    return name;
}

// The control characters with an escape letter of their own.
constexpr char kEscapeLetters[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                      {'r', '\r'}, {'t', '\t'}, {'v', '\v'}};

// The escape that stands for a character of a value, or nothing when the
// character is written as it is. A hex digit right after a \x escape would
// be read as part of it, so it is escaped too.
QByteArray escapeOf(char16_t ch, bool afterHexEscape)
{
    for (const auto& [letter, control] : kEscapeLetters)
        if (ch == static_cast<char16_t>(control))
            return QByteArray("\\") + letter;
    if (ch == '"' || ch == '\\')
        return QByteArray("\\") + static_cast<char>(ch);
    if (ch < 0x20 || (afterHexEscape && isHexDigit(ch)))
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

// Reads the escape whose letter is at text[i] and moves i past it.
QString unescaped(QByteArrayView text, qsizetype& i)
{
    const char letter = text[i++];
    for (const auto& [name, control] : kEscapeLetters)
        if (letter == name)
            return QString(QLatin1Char(control));
    if (letter != 'x' && !isOctalDigit(letter))
        return letter == '"' || letter == '\\' || letter == '\'' || letter == '?' ? QString(QLatin1Char(letter)) : QString();
    const bool hex = letter == 'x';
    char16_t code = hex ? 0 : static_cast<char16_t>(letter - '0');
    for (; i < text.size() && (hex ? isHexDigit(text[i]) : isOctalDigit(text[i])); ++i) {
        const char digit = text[i];
        const int digitValue = digit <= '9' ? digit - '0' : (digit | 0x20) - 'a' + 10;
        code = static_cast<char16_t>(code * (hex ? 16 : 8) + digitValue);
    }
    return QString(QChar(code));
}

QString unescapedValue(QByteArrayView text)
{
    QString value;
    qsizetype kept = 0; // blanks before this one came quoted or escaped: they stay
    bool inQuotes = false;
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    while (i < text.size()) {
        if (text[i] == '"') {
            inQuotes = !inQuotes;
            ++i;
        } else if (text[i] == '\\') {
            ++i;
            if (i < text.size())
                value += unescaped(text, i);
        } else if (text[i] == ';' && !inQuotes) {
            break; // a comment to the end of the line
        } else {
            const qsizetype start = i++;
            while (i < text.size() && text[i] != '\\' && text[i] != '"' && text[i] != ';')
                ++i;
            value += QString::fromUtf8(text.sliced(start, i - start));
            if (!inQuotes)
                continue;
        }
        kept = value.size();
    }
    qsizetype end = value.size();
    while (end > kept && (value[end - 1] == QLatin1Char(' ') || value[end - 1] == QLatin1Char('\t')))
        --end;
    value.truncate(end);
    if (value.startsWith(QLatin1String("@@")))
        value.remove(0, 1);
    return value;
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
    IniValues values;
    QString prefix;
    for (const QByteArray& whole : text.split('\n')) {
        const QByteArrayView line = QByteArrayView(whole).trimmed();
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            prefix = sectionPrefix(line.sliced(1, (close < 0 ? line.size() : close) - 1));
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (line.startsWith(';') || equals <= 0)
            continue;
        values.insert(prefix + unescapedName(line.first(equals).trimmed()), unescapedValue(line.sliced(equals + 1)));
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
