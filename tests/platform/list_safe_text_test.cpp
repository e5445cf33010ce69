#include "platform/list_safe_text.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

void type(QLineEdit& box, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &press);
    }
}

} // namespace

TEST(ListSafeText, TypedAndPastedSeparatorsAreDroppedButProgramTextIsKept)
{
    QLineEdit box;
    dropListSeparators(&box);

    type(box, QStringLiteral("proxy,corp\"x"));
    EXPECT_EQ(box.text(), QStringLiteral("proxycorpx"));

    box.setCursorPosition(5);
    QApplication::clipboard()->setText(QStringLiteral("\"a,b\""));
    box.paste();
    EXPECT_EQ(box.text(), QStringLiteral("proxyabcorpx"));
    EXPECT_EQ(box.cursorPosition(), 7);

    box.setText(QStringLiteral("set,by \"program\""));
    EXPECT_EQ(box.text(), QStringLiteral("set,by \"program\""));

    EXPECT_TRUE(isListSafe(QStringLiteral("plain text")));
    EXPECT_FALSE(isListSafe(QStringLiteral("a,b")));
    EXPECT_FALSE(isListSafe(QStringLiteral("\"")));
}
