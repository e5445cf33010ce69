#include "options/states_cities.h"

#include "platform/text_files.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QLatin1String kHeader("[US States/Cities]");
const QLatin1String kEnd("[END]");

} // namespace

StatesFile readStatesFile(const QString& path)
{
    StatesFile file;
    const auto lines = QFileInfo(path).isFile() ? readWholeLines(path) : std::nullopt;
    if (!lines) {
        file.problem = StatesFileProblem::Missing;
        return file;
    }
    if (lines->isEmpty() || lines->first() != kHeader) {
        file.problem = StatesFileProblem::BadHeader;
        return file;
    }
    for (qsizetype i = 1; i < lines->size(); ++i) {
        file.rows << lines->at(i);
        if (lines->at(i) == kEnd)
            break;
    }
    return file;
}

qsizetype Skip_Block(const QStringList& rows, qsizetype stateRow)
{
    for (;;) {
        ++stateRow;
        if (stateRow >= rows.size())
            return rows.size();
        if (rows[stateRow].isEmpty())
            return stateRow + 1;
        if (rows[stateRow] == kEnd)
            return stateRow;
    }
}

StateList statesFromRows(const QStringList& rows, qsizetype start, qsizetype* stoppedAt)
{
    StateList states;
    qsizetype row = start;
    while (row >= 0 && row < rows.size() && rows[row] != kEnd) {
        states.names << rows[row];
        states.urls << rows.value(row + 1);
        row = Skip_Block(rows, row);
    }
    if (stoppedAt)
        *stoppedAt = row;
    return states;
}

QStringList rowsAfter(const QStringList& rows, const QString& heading, int skip, qsizetype* stoppedAt)
{
    QStringList found;
    qsizetype at = rows.indexOf(heading);
    if (at < 0)
        at = rows.size();
    qsizetype row = at + skip;
    for (; row < rows.size(); ++row) {
        if (rows[row].isEmpty() || rows[row] == kEnd)
            break;
        found << rows[row];
    }
    if (stoppedAt)
        *stoppedAt = row;
    return found;
}
