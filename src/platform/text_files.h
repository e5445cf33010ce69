#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The program's text data files (CRVN.ini, the .cvd files, the logs) hold one
// value per line. They are written with CR LF line ends and read back either
// as comma-separated values or as whole lines; a line may end in CR LF, LF or
// CR alone.

// Reads back a file's values the way they were always read: a comma or a line
// end ends a value, and a value that begins with a double quote runs to the
// next double quote (what follows it up to the comma or line end is dropped).
class CommaInput {
public:
    // Blanks around a value are kept (the settings and list files), or
    // dropped: skipped before a value and cut from the end of an unquoted one.
    enum class Blanks { Keep, Drop };

    explicit CommaInput(const QString& content, Blanks blanks = Blanks::Keep);
    // Opens a file; nullopt when it cannot be read.
    static std::optional<CommaInput> open(const QString& path, Blanks blanks = Blanks::Keep);

    bool atEnd() const;
    // The next value, or nullopt when the end was already reached.
    std::optional<QString> next();

private:
    QString text_;
    Blanks blanks_;
    qsizetype pos_ = 0;
};

// The line that CommaInput, keeping blanks, reads back as `value`: the value
// as it stands, or inside double quotes when it holds a comma or a line end
// or begins with a double quote.
QString commaField(const QString& value);

// Whether commaField gives a line that reads back as `value`. It does not
// when the value needs the quotes and holds a double quote, which would end
// it: such a text is refused where it is chosen.
bool fitsCommaField(const QString& value);

// The lines of a text without their line ends: CR LF, LF and CR alone each
// end a line. The empty text after the last line end is no line.
QStringList splitLines(QString text);

// Whole lines of a file without their line ends; nullopt when the file cannot
// be read. With a byte limit at most that much is read, and the line that the
// limit cuts is left out.
std::optional<QStringList> readWholeLines(const QString& path, qint64 byteLimit = -1);

// Writes lines, each ended by CR LF, in place of the file (writeFileSafely):
// a failed write leaves the old file whole. On failure returns false and
// fills *error with a reason a user can read.
bool writeLinesSafely(const QString& path, const QStringList& lines, QString* error = nullptr);
// The bytes that writeLinesSafely writes.
QByteArray encodeLines(const QStringList& lines);

// Appends lines, each ended by CR LF, creating the file when it is missing:
// all of them or, on failure, none.
bool appendLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Text is written to files in UTF-8. A file is read as UTF-8 when it is valid
// UTF-8; otherwise each line that is not is read as Latin-1, the one byte per
// character that older files were written in.
QString decodeFileText(const QByteArray& bytes);
QByteArray encodeFileText(const QString& text);
