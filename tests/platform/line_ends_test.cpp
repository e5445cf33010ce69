// Every reader of the program's text files takes CR LF, LF and CR alone.
#include "options/states_cities.h"
#include "platform/text_files.h"
#include "settings/user_lists.h"
#include "test_support.h"
#include "update/alternate_source.h"

#include <QFile>
#include <functional>

namespace {

struct Reader {
    const char* name;
    QStringList lines;                                 // the file's lines
    std::function<QStringList(const QString&)> read;   // what the reader makes of the file
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

class LineEnds : public SandboxTest {};

TEST_F(LineEnds, EveryReaderTakesAllThreeLineEnds)
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
        {"web sites", {"[WEB SITES]", "News", "http://x/", "Maps", "http://y/", "[END]"},
         [](const QString& path) {
             ListTable table;
             readWebSites(path, table);
             return QStringList{table[0][0], table[0][1], table[1][0], table[1][1]};
         },
         {"News", "http://x/", "Maps", "http://y/"}},
    };
    int file = 0;
    for (const char* end : {"\r\n", "\n", "\r"}) {
        for (const Reader& reader : readers) {
            // A new name each time: nothing read before can stand in for it.
            const QString name = QStringLiteral("file%1.cvd").arg(++file);
            writeFile(name, reader.lines.join(end) + end);
            EXPECT_EQ(reader.read(path(name)), reader.expected)
                << reader.name << " with " << QByteArray(end).toHex().toStdString();
        }
    }
}
