#include "platform/text_files.h"

#include "platform/file_writes.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace {

std::optional<QString> strictUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

QString decodeFileText(const QByteArray& bytes)
{
    if (auto text = strictUtf8(bytes))
        return *text;
    // Lines written in Latin-1 before, maybe beside newer ones in UTF-8 (a
    // log that grew across versions): each line is read on its own. A line
    // end never falls inside a UTF-8 character.
    QString text;
    text.reserve(bytes.size());
    auto start = bytes.begin();
    while (start != bytes.end()) {
        auto end = std::find_if(start, bytes.end(), isLineEnd);
        if (end != bytes.end())
            ++end;
        const QByteArrayView line(start, end);
        text += strictUtf8(line).value_or(QString::fromLatin1(line));
        start = end;
    }
    return text;
}

QByteArray encodeFileText(const QString& text)
{
    return text.toUtf8();
}

CommaInput::CommaInput(const QString& content, Blanks blanks) : text_(content), blanks_(blanks) {}

std::optional<CommaInput> CommaInput::open(const QString& path, Blanks blanks)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return CommaInput(decodeFileText(file.readAll()), blanks);
}

bool CommaInput::atEnd() const
{
    return pos_ >= text_.size();
}

std::optional<QString> CommaInput::next()
{
    if (pos_ >= text_.size())
        return std::nullopt;
    const qsizetype n = text_.size();
    QString value;
    auto isEnd = [&](qsizetype p) {
        const QChar c = text_[p];
        return c == QLatin1Char(',') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    };
    auto skipTerminator = [&]() {
        if (pos_ < n && text_[pos_] == QLatin1Char(',')) {
            ++pos_;
            return;
        }
        if (pos_ < n && text_[pos_] == QLatin1Char('\r'))
            ++pos_;
        if (pos_ < n && text_[pos_] == QLatin1Char('\n'))
            ++pos_;
    };
    const bool dropBlanks = blanks_ == Blanks::Drop;
    while (dropBlanks && pos_ < n && (text_[pos_] == QLatin1Char(' ') || text_[pos_] == QLatin1Char('\t')))
        ++pos_;
    if (pos_ < n && text_[pos_] == QLatin1Char('"')) {
        const qsizetype close = text_.indexOf(QLatin1Char('"'), pos_ + 1);
        const qsizetype stop = close < 0 ? n : close;
        value = text_.mid(pos_ + 1, stop - pos_ - 1);
        pos_ = close < 0 ? n : close + 1;
        while (pos_ < n && !isEnd(pos_))
            ++pos_;
        skipTerminator();
        return value;
    }
    const qsizetype start = pos_;
    while (pos_ < n && !isEnd(pos_))
        ++pos_;
    value = text_.mid(start, pos_ - start);
    skipTerminator();
    if (dropBlanks) {
        while (!value.isEmpty() && (value.back() == QLatin1Char(' ') || value.back() == QLatin1Char('\t')))
            value.chop(1);
    }
    return value;
}

namespace {

bool needsQuotes(const QString& value)
{
    return value.startsWith(QLatin1Char('"')) || value.contains(QLatin1Char(','))
        || value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'));
}

} // namespace

QString commaField(const QString& value)
{
    return needsQuotes(value) ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

bool fitsCommaField(const QString& value)
{
    return !needsQuotes(value) || !value.contains(QLatin1Char('"'));
}

QStringList splitLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::optional<QStringList> readWholeLines(const QString& path, qint64 byteLimit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = byteLimit < 0 ? file.readAll() : file.read(byteLimit);
    // A file cut at the limit loses the line the limit falls in.
    if (!file.atEnd()) {
        const auto lastEnd = std::find_if(bytes.rbegin(), bytes.rend(), isLineEnd);
        bytes.truncate(bytes.rend() - lastEnd);
    }
    return splitLines(decodeFileText(bytes));
}

QByteArray encodeLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeFileText(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool writeLinesSafely(const QString& path, const QStringList& lines, QString* error)
{
    return writeFileSafely(path, encodeLines(lines), error);
}

bool appendLines(const QString& path, const QStringList& lines, QString* error)
{
    return appendWhole(path, encodeLines(lines), error);
}
