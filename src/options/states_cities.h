#pragma once
#include <QString>
#include <QStringList>

// The shipped states-and-cities file and the walk over its rows.
// The file: "[US States/Cities]", then blocks of state name, report URL and
// cities, one empty line between blocks, "[END]" last.

enum class StatesFileProblem { None, Missing, BadHeader };

struct StatesFile {
    StatesFileProblem problem = StatesFileProblem::None;
    QStringList rows; // every line after the header, up to and including "[END]"
};

// Reads the file's rows. The header must be exactly "[US States/Cities]".
// A file without "[END]" ends at its last line.
StatesFile readStatesFile(const QString& path);

// One step of the block walk, from the row of a block's state name: the row
// of the next block's state name (just past the block's empty row), the row
// of "[END]" when the block ends there, or the row count when the rows end
// first.
qsizetype Skip_Block(const QStringList& rows, qsizetype stateRow);

// The states and their report URLs, in file order, walking block by block
// from `start` until "[END]" or the end of the rows. `stoppedAt`, when
// given, receives the row where the walk stopped.
struct StateList {
    QStringList names;
    QStringList urls;
};
StateList statesFromRows(const QStringList& rows, qsizetype start = 0, qsizetype* stoppedAt = nullptr);

// The rows that follow the first row equal to `heading` (skipping `skip`
// rows from it) up to an empty row or "[END]". A heading that is not there
// gives nothing. `stoppedAt`, when given, receives the row where the walk
// stopped (past the last row when the heading is missing).
QStringList rowsAfter(const QStringList& rows, const QString& heading, int skip, qsizetype* stoppedAt = nullptr);
