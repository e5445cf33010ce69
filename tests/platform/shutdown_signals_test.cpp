#include "platform/shutdown_signals.h"

#include "platform/waits.h"

#include <csignal>
#include <gtest/gtest.h>
#include <vector>

namespace {

volatile std::sig_atomic_t earlierHandlerRan = 0;
void earlierHandler(int) { earlierHandlerRan = 1; }

} // namespace

TEST(ShutdownSignals, EachEndRequestComesOutOfTheEventLoop)
{
    ShutdownSignals shutdown;
    std::vector<int> numbers;
    QObject::connect(&shutdown, &ShutdownSignals::received, [&numbers](int number) { numbers.push_back(number); });
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        numbers.clear();
        ASSERT_EQ(std::raise(signalNumber), 0);
        EXPECT_TRUE(numbers.empty()) << "delivered inside the handler";
        EXPECT_TRUE(waitUntil([&] { return !numbers.empty(); }, 30.0)) << signalNumber;
        EXPECT_EQ(numbers, std::vector<int>{signalNumber});
    }
}

TEST(ShutdownSignals, RequestsThatArriveTogetherComeOutAsOne)
{
    ShutdownSignals shutdown;
    std::vector<int> numbers;
    QObject::connect(&shutdown, &ShutdownSignals::received, [&numbers](int number) { numbers.push_back(number); });
    std::raise(SIGTERM);
    std::raise(SIGHUP);
    EXPECT_TRUE(waitUntil([&] { return !numbers.empty(); }, 30.0));
    pauseLettingEventsRun(0.1);
    EXPECT_EQ(numbers, std::vector<int>{SIGHUP});
}

TEST(ShutdownSignals, TheirEndRestoresTheHandlingThereWasBefore)
{
    struct sigaction earlier {};
    earlier.sa_handler = earlierHandler;
    sigemptyset(&earlier.sa_mask);
    struct sigaction saved {};
    ASSERT_EQ(::sigaction(SIGHUP, &earlier, &saved), 0);
    {
        ShutdownSignals shutdown;
        std::raise(SIGHUP);
        EXPECT_EQ(earlierHandlerRan, 0);
        DoEvents();
    }
    std::raise(SIGHUP);
    EXPECT_EQ(earlierHandlerRan, 1);
    ::sigaction(SIGHUP, &saved, nullptr);
}
