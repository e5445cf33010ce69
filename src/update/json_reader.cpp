#include "update/json_reader.h"

#include <QStringDecoder>

namespace {

constexpr int kMaxDepth = 512;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The value of a hexadecimal digit; -1 for any other byte.
int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The content of a string whose escapes passString found well formed. Each
// run between escapes reads as QString::fromUtf8 reads it; all are decoded
// into one buffer, which the text never outgrows: no character takes fewer
// bytes than UTF-16 units, nor an escape.
QString decoded(QByteArrayView content)
{
    QString text(content.size(), Qt::Uninitialized);
    QChar* out = text.data();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    qsizetype copied = 0; // the bytes before it are in `text`
    for (qsizetype i = content.indexOf('\\'); i >= 0; i = content.indexOf('\\', copied)) {
        out = utf8.appendToBuffer(out, content.sliced(copied, i - copied));
        const char kind = content[i + 1];
        copied = i + 2;
        switch (kind) {
        case 'b': *out++ = u'\b'; break;
        case 'f': *out++ = u'\f'; break;
        case 'n': *out++ = u'\n'; break;
        case 'r': *out++ = u'\r'; break;
        case 't': *out++ = u'\t'; break;
        case 'u': {
            // A character beyond the first 65,536 comes as two such escapes,
            // the two halves of its UTF-16 form.
            char16_t unit = 0;
            for (qsizetype k = i + 2; k < i + 6; ++k)
                unit = char16_t(unit * 16 + hexValue(content[k]));
            *out++ = QChar(unit);
            copied = i + 6;
            break;
        }
        default: // '"', '\\' or '/': itself
            *out++ = QLatin1Char(kind);
        }
    }
    out = utf8.appendToBuffer(out, content.sliced(copied));
    text.truncate(out - text.constData());
    return text;
}

} // namespace

bool JsonReader::fail()
{
    failed_ = true;
    return false;
}

bool JsonReader::fault()
{
    faulty_ = true;
    return fail();
}

char JsonReader::next()
{
    while (at_ < text_.size() && isBlank(text_[at_]))
        ++at_;
    return failed_ || at_ == text_.size() ? '\0' : text_[at_];
}

bool JsonReader::take(char c)
{
    next();
    return takeHere(c);
}

bool JsonReader::takeHere(char c)
{
    if (failed_ || at_ == text_.size() || text_[at_] != c)
        return false;
    ++at_;
    return true;
}

bool JsonReader::atString()
{
    return next() == '"';
}

bool JsonReader::atEnd()
{
    next();
    return !failed_ && at_ == text_.size();
}

bool JsonReader::readObject(const std::function<bool(QByteArrayView key)>& member)
{
    if (!take('{'))
        return fail();
    if (++depth_ > kMaxDepth)
        return fault();
    QSet<QByteArray> refused;
    if (!take('}')) {
        do {
            QByteArrayView key;
            bool escaped = false;
            if (!passString(key, escaped))
                return false;
            const QByteArray decodedKey = escaped ? decoded(key).toUtf8() : QByteArray();
            if (!take(':'))
                return fault();
            if (!readMember(escaped ? QByteArrayView(decodedKey) : key, member, refused))
                return false;
        } while (take(','));
        if (!take('}'))
            return fault();
    }
    --depth_;
    return refused.isEmpty() || fail();
}

bool JsonReader::readMember(QByteArrayView key, const std::function<bool(QByteArrayView key)>& member,
                            QSet<QByteArray>& refused)
{
    const qsizetype start = at_;
    const int depth = depth_;
    if (member(key) && !failed_) {
        if (!refused.isEmpty())
            refused.remove(key.toByteArray());
        return true;
    }
    if (faulty_)
        return false;
    // Read again from the value's start, passing over it: the key may come
    // again with a value that counts in its place.
    failed_ = false;
    at_ = start;
    depth_ = depth;
    refused.insert(key.toByteArray());
    return skip();
}

bool JsonReader::readArray(const std::function<bool()>& element)
{
    if (!take('['))
        return fail();
    if (++depth_ > kMaxDepth)
        return fault();
    if (!take(']')) {
        do {
            if (!element())
                return fail();
        } while (take(','));
        if (!take(']'))
            return fault();
    }
    --depth_;
    return true;
}

bool JsonReader::readText(QString& text)
{
    text.clear();
    if (!atString())
        return skip();
    QByteArrayView content;
    bool escaped = false;
    if (!passString(content, escaped))
        return false;
    text = escaped ? decoded(content) : QString::fromUtf8(content);
    return true;
}

bool JsonReader::skip()
{
    if (failed_)
        return false;
    QByteArrayView content;
    bool escaped = false;
    switch (next()) {
    case '{': return readObject([this](QByteArrayView) { return skip(); });
    case '[': return readArray([this] { return skip(); });
    case '"': return passString(content, escaped);
    case 't': return readLiteral("true");
    case 'f': return readLiteral("false");
    case 'n': return readLiteral("null");
    default: return readNumber();
    }
}

bool JsonReader::readLiteral(QByteArrayView word)
{
    if (!text_.sliced(at_).startsWith(word))
        return fault();
    at_ += word.size();
    return true;
}

bool JsonReader::readNumber()
{
    const auto digits = [this] {
        const qsizetype start = at_;
        while (at_ < text_.size() && isDigit(text_[at_]))
            ++at_;
        return at_ > start;
    };
    takeHere('-');
    if (!takeHere('0') && !digits())
        return fault();
    if (takeHere('.') && !digits())
        return fault();
    if (takeHere('e') || takeHere('E')) {
        if (!takeHere('+'))
            takeHere('-');
        if (!digits())
            return fault();
    }
    return true;
}

bool JsonReader::passString(QByteArrayView& content, bool& escaped)
{
    if (!take('"'))
        return fault();
    const qsizetype start = at_;
    escaped = false;
    for (; at_ < text_.size() && text_[at_] != '"'; ++at_) {
        const char c = text_[at_];
        if (static_cast<unsigned char>(c) < 0x20)
            return fault();
        if (c != '\\')
            continue;
        escaped = true;
        const char kind = ++at_ < text_.size() ? text_[at_] : '\0';
        if (kind == 'u') {
            for (int k = 0; k < 4; ++k) {
                if (++at_ == text_.size() || hexValue(text_[at_]) < 0)
                    return fault();
            }
        } else if (!QByteArrayView("\"\\/bfnrt").contains(kind)) {
            return fault();
        }
    }
    if (at_ == text_.size())
        return fault();
    content = text_.sliced(start, at_ - start);
    ++at_;
    return true;
}
