#include "platform/text_files.h"

#include <QFile>
#include <QSaveFile>

QString decodeFileText(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

QByteArray encodeFileText(const QString& text)
{
    return text.toLatin1();
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

std::optional<QStringList> readWholeLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = decodeFileText(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

namespace {

QByteArray joinLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeFileText(line);
        bytes += "\r\n";
    }
    return bytes;
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

bool writeLinesSafely(const QString& path, const QStringList& lines, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    if (file.write(joinLines(lines)) < 0) {
        setError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool appendLines(const QString& path, const QStringList& lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::Append)) {
        setError(error, file.errorString());
        return false;
    }
    const QByteArray bytes = joinLines(lines);
    // The lines reach the disk only when flushed: a full disk says so then.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}
