#include "options/states_cities.h"

#include "platform/text_files.h"

#include <QFileInfo>

StatesFile readStatesFile(const QString& path)
{
    StatesFile file;
    const auto lines = readWholeLines(path);
    if (!QFileInfo(path).isFile() || !lines) {
        file.problem = StatesFileProblem::Missing;
        return file;
    }
    if (lines->isEmpty() || lines->first() != QLatin1String("[US States/Cities]")) {
        file.problem = StatesFileProblem::BadHeader;
        return file;
    }
    for (qsizetype i = 1; i < lines->size(); ++i) {
        file.rows << lines->at(i);
        if (lines->at(i) == QLatin1String("[END]"))
            break;
    }
    return file;
}

StateList statesFromRows(const QStringList& rows)
{
    StateList states;
    qsizetype row = 0;
    while (row < rows.size() && rows[row] != QLatin1String("[END]")) {
        states.names << rows[row];
        states.urls << rows.value(row + 1);
        // Skip to the next block: past the first empty row, or onto "[END]".
        for (;;) {
            ++row;
            if (row >= rows.size())
                break;
            if (rows[row].isEmpty()) {
                ++row;
                break;
            }
            if (rows[row] == QLatin1String("[END]"))
                break;
        }
    }
    return states;
}

QStringList rowsAfter(const QStringList& rows, const QString& heading, int skip)
{
    QStringList found;
    const qsizetype at = rows.indexOf(heading);
    if (at < 0)
        return found;
    for (qsizetype row = at + skip; row < rows.size(); ++row) {
        if (rows[row].isEmpty() || rows[row] == QLatin1String("[END]"))
            break;
        found << rows[row];
    }
    return found;
}
