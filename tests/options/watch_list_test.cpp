#include "options/watch_list.h"

#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "settings/caption_length.h"
#include "test_support.h"
#include "watch_rows.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {

class WatchListEditingTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", "https://x/tx.txt", "WACO", "AUSTIN", "",
                                         "Atlantis", "https://x/at.txt", "NOWHERE", "[END]"});
        options = &form2();
    }
    bool saveWithoutRefreshAllowed() const { return options->Command1[4]->isEnabled(); }
    void rightRelease(Qt::MouseButton button)
    {
        QMouseEvent event(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), button, button, Qt::NoModifier);
        QApplication::sendEvent(options->List3->viewport(), &event);
    }
    Form2* options = nullptr;
};

} // namespace

TEST(WatchListRules, EntriesMovesAndTheRowHighlightedAfterADelete)
{
    EXPECT_EQ(watchEntry("Texas", "WACO", false), "Texas - WACO");
    EXPECT_EQ(watchEntry("Texas", "Abilene", true), "*Texas - Abilene");
    const QString endless(100000, 'W'); // a damaged line of a city list
    EXPECT_EQ(watchEntry("Texas", endless, true), ("*Texas - " + endless).left(kLongestCaption));

    struct Move { int k, rows, direction, expected; };
    for (const Move& m : {Move{1, 3, 0, 0}, Move{0, 3, 0, -1}, Move{1, 3, 1, 2}, Move{2, 3, 1, -1},
                          Move{-1, 3, 0, -1}, Move{-1, 3, 1, -1}, Move{1, 3, 2, -1}, Move{0, 1, 1, -1}})
        EXPECT_EQ(moveTarget(m.k, m.rows, m.direction), m.expected) << m.k << " " << m.direction;

    EXPECT_EQ(highlightAfterRemoval({}, 0), -1);            // the only row went
    EXPECT_EQ(highlightAfterRemoval({"A", "C"}, 1), 1);     // a middle row: the one that moved up
    EXPECT_EQ(highlightAfterRemoval({"A", "B"}, 2), 1);     // the last row: the new last
    EXPECT_EQ(highlightAfterRemoval({"A", ""}, 1), 0);      // an empty row is passed over
    EXPECT_EQ(highlightAfterRemoval({"", "", "X"}, 1), 0);  // then the first row

    struct Addition { QStringList rows, candidates, added; bool full; };
    const QStringList nine{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (const Addition& a : {Addition{{"A"}, {"A", "B", "b", "B"}, {"B", "b"}, false},
                              Addition{nine, {"1", "X", "Y"}, {"X"}, true},
                              Addition{nine + QStringList{"X"}, {"X", "2"}, {}, false},
                              Addition{nine + QStringList{"X"}, {"Y"}, {}, true}}) {
        const WatchAdditions made = watchAdditions(a.rows, a.candidates);
        EXPECT_EQ(made.added, a.added) << a.candidates.join(',').toStdString();
        EXPECT_EQ(made.full, a.full) << a.candidates.join(',').toStdString();
    }
}

TEST_F(WatchListEditingTest, ChoosingCitiesAndPlacesAddsThemOnce)
{
    options->List2->setCurrentRow(1); // AUSTIN, WACO sorted
    options->List2->setCurrentRow(0);
    EXPECT_EQ(watchRows(options->List3), QStringList({"Texas - WACO", "Texas - AUSTIN"}));
    EXPECT_FALSE(saveWithoutRefreshAllowed());

    // A city already listed adds nothing and leaves the button as it is.
    options->Command1[4]->setEnabled(true);
    emit options->List2->itemClicked(options->List2->item(0));
    EXPECT_EQ(options->List3->count(), 2);
    EXPECT_TRUE(saveWithoutRefreshAllowed());

    // An entry that differs in letter case only is another entry.
    options->List3->item(0)->setText("Texas - waco");
    options->List2->setCurrentRow(1);
    EXPECT_EQ(options->List3->count(), 3);

    // An alternate place already listed adds nothing but still counts as a change.
    options->List7->setCurrentRow(0);
    EXPECT_EQ(watchRows(options->List3).last(), "*Texas - Abilene");
    options->Command1[4]->setEnabled(true);
    emit options->List7->itemClicked(options->List7->item(0));
    EXPECT_EQ(options->List3->count(), 4);
    EXPECT_FALSE(saveWithoutRefreshAllowed());
}

TEST_F(WatchListEditingTest, TabbingIntoAPickerAddsNothingUntilARowIsChosen)
{
    for (QListWidget* picker : {options->List2, options->List7}) {
        QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(picker, &tabbedIn);
        EXPECT_EQ(options->List3->count(), 0);
        EXPECT_TRUE(saveWithoutRefreshAllowed());
    }
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(options->List2, &down);
    EXPECT_EQ(watchRows(options->List3), QStringList{"Texas - AUSTIN"});
}

TEST_F(WatchListEditingTest, AddAllSkipsListedEntriesAndStopsAtTheTenThatAreSaved)
{
    const QString full = "You can only watch 10 Cities.";
    options->Command2_Click();
    options->Command2_Click();
    EXPECT_EQ(watchRows(options->List3), QStringList({"Texas - AUSTIN", "Texas - WACO"}));

    // Texas has more alternate places than the eight rows left.
    ASSERT_GT(options->List7->count(), 8);
    options->Command10_Click();
    ASSERT_EQ(options->List3->count(), 10);
    EXPECT_EQ(options->List3->item(2)->text(), "*Texas - Abilene");
    EXPECT_EQ(options->List3->item(9)->text(), "*Texas - " + options->List7->item(7)->text());
    EXPECT_EQ(messageTexts(), QStringList{full});
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);

    // One place more is refused alike; entries already listed say nothing.
    options->List7->setCurrentRow(8);
    options->List7->setCurrentRow(0);
    options->Command2_Click();
    EXPECT_EQ(options->List3->count(), 10);
    EXPECT_EQ(messageTexts(), QStringList({full, full}));

    // A state without alternate places adds nothing, yet counts as a change.
    options->List1->setCurrentRow(1);
    options->Command1[4]->setEnabled(true);
    options->Command10_Click();
    EXPECT_EQ(options->List3->count(), 10);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_FALSE(saveWithoutRefreshAllowed());
}

TEST_F(WatchListEditingTest, MovesSwapTextsAndEachPositionKeepsItsMark)
{
    options->List2->setCurrentRow(0);
    options->List2->setCurrentRow(1);
    options->List3->item(0)->setCheckState(Qt::Checked);
    options->List3->setCurrentRow(1);
    options->Command3_Click(0);
    EXPECT_EQ(watchRows(options->List3), QStringList({"Texas - WACO [x]", "Texas - AUSTIN"}));
    EXPECT_EQ(options->List3->currentRow(), 0);

    // The top row up, the last row down, or nothing highlighted: nothing
    // moves, but the button goes off all the same.
    for (int direction : {0, 1}) {
        options->List3->setCurrentRow(direction == 0 ? 0 : 1);
        options->Command1[4]->setEnabled(true);
        options->Command3_Click(direction);
        EXPECT_EQ(watchRows(options->List3), QStringList({"Texas - WACO [x]", "Texas - AUSTIN"}));
        EXPECT_FALSE(saveWithoutRefreshAllowed());
    }
}

TEST_F(WatchListEditingTest, DeletingByButtonAndByRightClick)
{
    options->Command2_Click();
    options->List1->setCurrentRow(1);
    options->Command2_Click(); // AUSTIN, WACO, NOWHERE
    options->List3->setCurrentRow(1);
    options->Command1_Click(2);
    EXPECT_EQ(watchRows(options->List3), QStringList({"Texas - AUSTIN", "Atlantis - NOWHERE"}));
    EXPECT_EQ(options->List3->currentRow(), 1);
    options->Command1_Click(2);
    EXPECT_EQ(options->List3->currentRow(), 0);

    // Right-click asks first; Cancel and the left button delete nothing.
    answer = MsgResult::Cancel;
    rightRelease(Qt::RightButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Delete Entry?");
    EXPECT_EQ(messages[0].title, "City - Town Delete");
    rightRelease(Qt::LeftButton);
    EXPECT_EQ(options->List3->count(), 1);
    answer = MsgResult::Ok;
    rightRelease(Qt::RightButton);
    EXPECT_EQ(options->List3->count(), 0);
    EXPECT_EQ(options->List3->currentRow(), -1);
    rightRelease(Qt::RightButton); // nothing highlighted: nothing asked
    EXPECT_EQ(messages.size(), 2u);

    options->Command2_Click();
    options->Command1[4]->setEnabled(true);
    options->Command1_Click(3);
    EXPECT_EQ(options->List3->count(), 0);
    EXPECT_FALSE(saveWithoutRefreshAllowed());
}
