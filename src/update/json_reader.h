#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <functional>

// Reads a JSON text (UTF-8) front to back where it lies, keeping only what
// the caller takes out of it: a large answer is read without a document of
// all its values being built first. Each call reads the value at the
// reading point. The first fault of the text (a cut-off or malformed value,
// nesting deeper than 512 levels) makes that call fail, and every later one.
// So does a value that the caller refuses, unless an object gets past it
// (see readObject).
class JsonReader {
public:
    explicit JsonReader(QByteArrayView text) : text_(text) {}

    // An object: `member` is called with each key (UTF-8), the reading
    // point at the key's value, and must read or skip that value. A key
    // given twice comes twice, in the text's order, and counts by its last
    // value, whatever the first was: a value that `member` refuses (by
    // returning false, or by a read of its own that found another kind of
    // value) is passed over when the same key comes again later in the
    // object. False on a fault, when the value is no object or when a key's
    // last value was refused.
    bool readObject(const std::function<bool(QByteArrayView key)>& member);
    // An array: `element` is called at each element and must read or skip
    // it. False on a fault, when the value is no array or when `element`
    // returns false (a refusal, as above).
    bool readArray(const std::function<bool()>& element);
    // A string value into `text`; any other value is skipped and leaves
    // `text` empty. False on a fault.
    bool readText(QString& text);
    // Any value, passed over. False on a fault.
    bool skip();

    // The value at the reading point is a string.
    bool atString();
    // Only blanks are left after the values read.
    bool atEnd();

private:
    // Passes blanks; the byte there, or '\0' at the end or after a fault.
    char next();
    // Takes `c` when it comes next after blanks.
    bool take(char c);
    // Takes `c` when it stands at the reading point.
    bool takeHere(char c);
    // Passes the string at the reading point; `content` is what stands
    // between its quotes, `escaped` whether an escape is among it.
    bool passString(QByteArrayView& content, bool& escaped);
    bool readLiteral(QByteArrayView word);
    bool readNumber();
    // One member's value; a refused one is passed over and its key kept in
    // `refused` until the key comes again with a value taken.
    bool readMember(QByteArrayView key, const std::function<bool(QByteArrayView key)>& member,
                    QSet<QByteArray>& refused);
    // A value refused: this call and every later one fail, unless an object
    // gets past the value.
    bool fail();
    // A fault of the text: this call and every later one fail.
    bool fault();

    QByteArrayView text_;
    qsizetype at_ = 0;
    int depth_ = 0;
    bool failed_ = false;
    bool faulty_ = false;
};
