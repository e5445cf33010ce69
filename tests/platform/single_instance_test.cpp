#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QUuid>
#include <gtest/gtest.h>

TEST(SingleInstance, OnlyTheFirstCopyHoldsTheLockUntilItEnds)
{
    const QString name = "corvane-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto first = std::make_unique<SingleInstance>(name);
    EXPECT_FALSE(first->anotherIsRunning());
    {
        SingleInstance second(name);
        EXPECT_TRUE(second.anotherIsRunning());
    }
    first.reset();
    SingleInstance third(name);
    EXPECT_FALSE(third.anotherIsRunning());
}
