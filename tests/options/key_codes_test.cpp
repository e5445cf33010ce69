#include "options/key_codes.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

int code(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QKeyEvent event(QEvent::KeyRelease, key, modifiers);
    return keyCodeOf(event);
}

} // namespace

TEST(KeyCodes, LettersAndDigitsGiveTheirKeyWhateverTheShift)
{
    EXPECT_EQ(code(Qt::Key_A), 65);
    EXPECT_EQ(code(Qt::Key_A, Qt::ShiftModifier), 65);
    EXPECT_EQ(code(Qt::Key_Z), 90);
    EXPECT_EQ(code(Qt::Key_0), 48);
    EXPECT_EQ(code(Qt::Key_Exclam, Qt::ShiftModifier), 49); // Shift+1
    EXPECT_EQ(code(Qt::Key_Space), 32);
}

TEST(KeyCodes, FunctionNavigationAndKeypadKeysUseTheirOwnNumbers)
{
    EXPECT_EQ(code(Qt::Key_F1), 112);
    EXPECT_EQ(code(Qt::Key_F12), 123);
    EXPECT_EQ(code(Qt::Key_Left), 37);
    EXPECT_EQ(code(Qt::Key_Down), 40);
    EXPECT_EQ(code(Qt::Key_Return), 13);
    EXPECT_EQ(code(Qt::Key_Escape), 27);
    EXPECT_EQ(code(Qt::Key_Delete), 46);
    EXPECT_EQ(code(Qt::Key_Shift), 16);
    EXPECT_EQ(code(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(code(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(code(Qt::Key_Plus), 187); // the "=" key, shifted
    EXPECT_EQ(code(Qt::Key_Comma), 188);
    EXPECT_EQ(code(Qt::Key_unknown), 0);
}
