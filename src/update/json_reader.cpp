#include "update/json_reader.h"

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

// The content of a string whose escapes passString found well formed.
QString decoded(QByteArrayView content)
{
    QString text;
    qsizetype copied = 0; // the bytes before it are in `text`
    for (qsizetype i = content.indexOf('\\'); i >= 0; i = content.indexOf('\\', copied)) {
        text += QString::fromUtf8(content.sliced(copied, i - copied));
        const char kind = content[i + 1];
        copied = i + 2;
        switch (kind) {
        case 'b': text += u'\b'; break;
        case 'f': text += u'\f'; break;
        case 'n': text += u'\n'; break;
        case 'r': text += u'\r'; break;
        case 't': text += u'\t'; break;
        case 'u': {
            // A character beyond the first 65,536 comes as two such escapes,
            // the two halves of its UTF-16 form.
            char16_t unit = 0;
            for (qsizetype k = i + 2; k < i + 6; ++k)
                unit = char16_t(unit * 16 + hexValue(content[k]));
            text += QChar(unit);
            copied = i + 6;
            break;
        }
        default: // '"', '\\' or '/': itself
            text += QLatin1Char(kind);
        }
    }
    return text + QString::fromUtf8(content.sliced(copied));
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
