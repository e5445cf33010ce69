#include "platform/text_files.h"

#include "options/states_cities.h"
#include "test_support.h"
#include "update/alternate_source.h"

#include <QDir>
#include <QFile>
#include <functional>

TEST(CommaInput, ValuesEndAtCommasAndLineEndsAndQuotesRunToTheNextQuote)
{
    CommaInput input("one,two\r\n\"a, b\" tail,x\r\n\r\n\"open");
    EXPECT_EQ(input.next(), "one");
    EXPECT_EQ(input.next(), "two");
    EXPECT_EQ(input.next(), "a, b");
    EXPECT_EQ(input.next(), "x");
    EXPECT_EQ(input.next(), "");
    EXPECT_FALSE(input.atEnd());
    EXPECT_EQ(input.next(), "open");
    EXPECT_TRUE(input.atEnd());
    EXPECT_FALSE(input.next().has_value());
}

TEST(CommaInput, KeepsBlanksAndReadsLineFeedFiles)
{
    CommaInput input(" 25\nTerre Haute \n");
    EXPECT_EQ(input.next(), " 25");
    EXPECT_EQ(input.next(), "Terre Haute ");
    EXPECT_TRUE(input.atEnd());
}

class TextFilesTest : public SandboxTest {};

TEST_F(TextFilesTest, SafeWriteReplacesWholeOrNotAtAll)
{
    ASSERT_TRUE(writeLinesSafely(path("a.cvd"), {"[HEAD]", "x", "[END]"}));
    EXPECT_EQ(readFile("a.cvd"), "[HEAD]\r\nx\r\n[END]\r\n");
    ASSERT_TRUE(writeLinesSafely(path("a.cvd"), {"new"}));
    EXPECT_EQ(readFile("a.cvd"), "new\r\n");

    QString error;
    EXPECT_FALSE(writeLinesSafely(path("missing/folder/b.cvd"), {"x"}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(home()).entryList(QDir::Files), QStringList{"a.cvd"}); // no temporary left behind

    ASSERT_TRUE(appendLines(path("log.txt"), {"1"}));
    ASSERT_TRUE(appendLines(path("log.txt"), {"2", "3"}));
    EXPECT_EQ(readWholeLines(path("log.txt")), QStringList({"1", "2", "3"}));
    // A device that is always full refuses the lines.
    EXPECT_FALSE(appendLines("/dev/full", {"lost"}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(readWholeLines(path("none.txt")).has_value());
}

TEST(FileText, Utf8WhereValidAndLatin1ForOlderLines)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"Site \xC5\x81\xC3\xB3" "d\xC5\xBA", QString::fromUtf8("Site Łódź")},
        {"Caf\xE9", QString::fromUtf8("Café")},                    // written as Latin-1 before
        {"Caf\xE9\r\nSite \xC5\x81\r\n", QString::fromUtf8("Café\r\nSite Ł\r\n")}, // a log of both, line by line
        {"\xE9t\xE9\rSt \xC3\xA9", QString::fromUtf8("été\rSt é")},
        {"cut \xC5", QString::fromUtf8("cut Å")},                  // half a character is no UTF-8
        {"plain, text", "plain, text"},
        {"", ""},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(decodeFileText(bytes), text) << bytes.toHex().toStdString();
    EXPECT_EQ(encodeFileText(QString::fromUtf8("Site Łódź")), "Site \xC5\x81\xC3\xB3" "d\xC5\xBA");
}

namespace {

struct Reader {
    const char* name;
    QStringList lines; // the file's lines
    std::function<QStringList(const QString&)> read;
    QStringList expected;
};

QStringList commaValues(const QString& path)
{
    QStringList values;
    auto input = CommaInput::open(path);
    while (input && !input->atEnd())
        values << input->next().value_or("<none>");
    return values;
}

} // namespace

TEST_F(TextFilesTest, EveryReaderTakesCrLfLfAndCrAlone)
{
    const Reader readers[] = {
        {"whole lines", {"one", "", "three"},
         [](const QString& path) { return readWholeLines(path).value_or(QStringList{"<unreadable>"}); },
         {"one", "", "three"}},
        {"comma values", {"a,b", "\"c, d\"", "e"}, commaValues, {"a", "b", "c, d", "e"}},
        {"states file", {"[US States/Cities]", "Texas", "http://x/tx.txt", "DALLAS", "", "[END]"},
         [](const QString& path) {
             const StatesFile file = readStatesFile(path);
             return file.problem == StatesFileProblem::None ? file.rows : QStringList{"<refused>"};
         },
         {"Texas", "http://x/tx.txt", "DALLAS", "", "[END]"}},
        {"alternate row names", {"ABILENE", "AUSTIN"},
         [](const QString& path) { return alternateRowNames(path).value_or(QStringList{"<unreadable>"}); },
         {"ABILENE", "AUSTIN"}},
        {"alternate conditions", {"header", "WACO" + QString(13, '.') + "70   50%   NORTH at 10    clear", "next"},
         [](const QString& path) {
             QFile file(path);
             const QString text = file.open(QIODevice::ReadOnly) ? decodeFileText(file.readAll()) : QString();
             const AlternateReading reading = parseAlternateRow("WACO", text, false);
             return QStringList{reading.status, reading.temperature, reading.wind, reading.condition};
         },
         {"Alternate Site Used", "70", "N10", "CLEAR"}},
    };
    int file = 0;
    for (const char* end : {"\r\n", "\n", "\r"}) {
        for (const Reader& reader : readers) {
            const QString name = QStringLiteral("file%1.cvd").arg(++file);
            writeFile(name, reader.lines.join(end) + end);
            EXPECT_EQ(reader.read(path(name)), reader.expected)
                << reader.name << " with " << QByteArray(end).toHex().toStdString();
        }
    }
}
