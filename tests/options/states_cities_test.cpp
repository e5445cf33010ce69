#include "options/states_cities.h"
#include "platform/program_folder.h"

#include "test_support.h"

namespace {

class StatesFileTest : public SandboxTest {
protected:
    StatesFile read(const QStringList& lines)
    {
        writeLines("States_Cities.cvd", lines);
        return readStatesFile(path("States_Cities.cvd"));
    }
};

// Two blocks, the second followed by "[END]" as given.
QStringList twoStates(bool emptyLineBeforeEnd)
{
    QStringList rows{"Texas", "https://roundup.example/tx.txt", "WACO", "AUSTIN", "", "Maine",
                     "https://roundup.example/me.txt", "PORTLAND"};
    if (emptyLineBeforeEnd)
        rows << "";
    rows << "[END]";
    return rows;
}

} // namespace

TEST_F(StatesFileTest, RowsRunFromTheLineAfterTheHeaderUpToEnd)
{
    const StatesFile file = read(QStringList{"[US States/Cities]"} + twoStates(false) + QStringList{"after", "end"});
    EXPECT_EQ(file.problem, StatesFileProblem::None);
    EXPECT_EQ(file.rows, twoStates(false)); // "[END]" is the last row, what follows is never read
}

TEST_F(StatesFileTest, HeaderMustMatchExactly)
{
    for (const QString& header : {QString("[us states/cities]"), QString("[US States/Cities] "),
                                  QString(" [US States/Cities]"), QString(""), QString("US States/Cities")}) {
        EXPECT_EQ(read({header, "Texas", "u", "[END]"}).problem, StatesFileProblem::BadHeader)
            << header.toStdString();
    }
    writeFile("States_Cities.cvd", "");
    EXPECT_EQ(readStatesFile(path("States_Cities.cvd")).problem, StatesFileProblem::BadHeader);
}

TEST_F(StatesFileTest, MissingFileAndAFolderOfThatNameAreMissing)
{
    EXPECT_EQ(readStatesFile(path("States_Cities.cvd")).problem, StatesFileProblem::Missing);
    QDir().mkpath(path("States_Cities.cvd"));
    EXPECT_EQ(readStatesFile(path("States_Cities.cvd")).problem, StatesFileProblem::Missing);
}

TEST_F(StatesFileTest, FileWithoutEndStopsAtItsLastLine)
{
    const StatesFile file = read({"[US States/Cities]", "Texas", "u", "WACO"});
    EXPECT_EQ(file.problem, StatesFileProblem::None);
    EXPECT_EQ(file.rows, QStringList({"Texas", "u", "WACO"}));
    const StateList states = statesFromRows(file.rows);
    EXPECT_EQ(states.names, QStringList{"Texas"});
    EXPECT_EQ(rowsAfter(file.rows, "Texas", 2), QStringList{"WACO"});
}

TEST_F(StatesFileTest, FileNameIsFoundWhateverItsLetterCase)
{
    writeLines("states_cities.CVD", {"[US States/Cities]", "[END]"});
    const QString found = fileInFolderAnyCase(home(), "States_Cities.cvd");
    EXPECT_EQ(found, path("states_cities.CVD"));
    EXPECT_EQ(readStatesFile(found).problem, StatesFileProblem::None);

    writeLines("States_Cities.cvd", {"[US States/Cities]", "[END]"});
    EXPECT_EQ(fileInFolderAnyCase(home(), "States_Cities.cvd"), path("States_Cities.cvd"));
    EXPECT_EQ(fileInFolderAnyCase(home(), "Nothing.cvd"), path("Nothing.cvd"));
}

TEST(StatesWalk, SkipBlockLandsOnTheNextStateOnEndOrPastTheRows)
{
    const QStringList rows = twoStates(false);
    EXPECT_EQ(Skip_Block(rows, 0), 5);      // past the empty row, on "Maine"
    EXPECT_EQ(Skip_Block(rows, 5), 8);      // on "[END]"
    EXPECT_EQ(Skip_Block(twoStates(true), 5), 9); // past the empty row, on "[END]"
    EXPECT_EQ(Skip_Block({"Texas", "u", "WACO"}, 0), 3);
    // A block without cities: the empty row follows the URL line.
    EXPECT_EQ(Skip_Block({"Texas", "u", "", "Maine", "v", "[END]"}, 0), 3);
}

TEST(StatesWalk, EndWithOrWithoutAnEmptyLineBeforeItGivesTheSameStates)
{
    for (bool emptyLine : {false, true}) {
        qsizetype stopped = -1;
        const StateList states = statesFromRows(twoStates(emptyLine), 0, &stopped);
        EXPECT_EQ(states.names, QStringList({"Texas", "Maine"}));
        EXPECT_EQ(states.urls, QStringList({"https://roundup.example/tx.txt", "https://roundup.example/me.txt"}));
        EXPECT_EQ(twoStates(emptyLine).value(stopped), "[END]");
    }
}

TEST(StatesWalk, AnEmptySecondLineMakesTheFirstStateAnEmptyName)
{
    const StateList states = statesFromRows({"", "Texas", "u", "WACO", "", "Maine", "v", "[END]"});
    EXPECT_EQ(states.names, QStringList({"", "Maine"}));
    EXPECT_EQ(states.urls, QStringList({"Texas", "v"}));
}

TEST(StatesWalk, EndAtOnceGivesNoStates)
{
    EXPECT_TRUE(statesFromRows({"[END]"}).names.isEmpty());
    EXPECT_TRUE(statesFromRows({}).names.isEmpty());
}

TEST(StatesWalk, CitiesFollowTheFirstRowThatNamesTheState)
{
    const QStringList rows{"Texas", "u", "WACO", "DALLAS", "", "Maine", "v", "PORTLAND", "", "DALLAS", "w", "X",
                           "[END]"};
    // "DALLAS" is a city of Texas before it is a state: what follows that row
    // (past one row) up to the empty row is listed.
    EXPECT_EQ(rowsAfter(rows, "DALLAS", 2), QStringList({"Maine", "v", "PORTLAND"}));
    EXPECT_EQ(rowsAfter(rows, "Maine", 2), QStringList{"PORTLAND"});

    qsizetype stopped = 0;
    EXPECT_TRUE(rowsAfter(rows, "Ohio", 2, &stopped).isEmpty());
    EXPECT_EQ(stopped, rows.size() + 2);
    EXPECT_TRUE(rowsAfter({"Texas", "u"}, "Texas", 2).isEmpty());
}
