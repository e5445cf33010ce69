#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The shipped states-and-cities file and the walk over its rows.
// The file: "[US States/Cities]", then blocks of state name, report URL and
// cities, one empty line between blocks, "[END]" last.

enum class StatesFileProblem { None, Missing, BadHeader };

struct StatesFile {
    StatesFileProblem problem = StatesFileProblem::None;
    QStringList rows; // every line after the header, up to and including "[END]"
};

// Reads the file's rows. A file without "[END]" ends at its last line.
StatesFile readStatesFile(const QString& path);

// The states and their report URLs, in file order, walking block by block.
struct StateList {
    QStringList names;
    QStringList urls;
};
StateList statesFromRows(const QStringList& rows);

// The rows that follow the first row equal to `heading` (skipping `skip`
// rows after it) up to an empty row or "[END]".
QStringList rowsAfter(const QStringList& rows, const QString& heading, int skip);
