#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

// Reads a JSON text (UTF-8) front to back where it lies, keeping only what
// the caller takes out of it: a large answer is read without a document of
// all its values being built first. Each call reads the value at the
// reading point. The first fault of the text (a cut-off or malformed value,
// nesting deeper than 512 levels) makes that call fail, and every later one.
class JsonReader {
public:
    explicit JsonReader(QByteArrayView text) : text_(text) {}

    // An object: `member` is called with each key (UTF-8), the reading
    // point at the key's value, and must read or skip that value. A key
    // given twice comes twice, in the text's order: a caller that lets the
    // later value replace the earlier reads what QJsonDocument would. False
    // on a fault, when the value is no object or when `member` returns false
    // (which counts as a fault).
    bool readObject(const std::function<bool(QByteArrayView key)>& member);
    // An array: `element` is called at each element and must read or skip
    // it. False on a fault, when the value is no array or when `element`
    // returns false (which counts as a fault).
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
    bool fail();

    QByteArrayView text_;
    qsizetype at_ = 0;
    int depth_ = 0;
    bool failed_ = false;
};
