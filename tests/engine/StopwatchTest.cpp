// SPDX-License-Identifier: MIT
// Stopwatch: roll-overs of the counters and the exact texts the player reads.
#include "Stopwatch.h"
#include "RecordingPort.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace sumdrop {
namespace {

struct TickCase {
    const char *name;
    int ticks;
    const char *label;
};

class StopwatchTicks : public ::testing::TestWithParam<TickCase> {};

TEST_P(StopwatchTicks, LabelAfterTicksFromZero)
{
    testing::RecordingPort port;
    Stopwatch stopwatch(port);
    stopwatch.Reset();
    for (int i = 0; i < GetParam().ticks; ++i) {
        stopwatch.Tick();
    }
    EXPECT_EQ(port.timeText, GetParam().label);
    EXPECT_EQ(stopwatch.TimeText(), GetParam().label);

    // The same periods counted at once, as after a late event, read the same.
    Stopwatch atOnce(port);
    atOnce.Advance(GetParam().ticks);
    EXPECT_EQ(atOnce.TimeText(), GetParam().label);
    EXPECT_GE(stopwatch.Tenths(), 0);
    EXPECT_LE(stopwatch.Tenths(), 9);
    EXPECT_LE(stopwatch.Seconds(), 59);
}

INSTANTIATE_TEST_SUITE_P(RollOvers, StopwatchTicks,
                         ::testing::Values(TickCase{"FirstTick", 1, "0分0.1秒"},
                                           TickCase{"NineTicksStayBelowASecond", 9, "0分0.9秒"},
                                           TickCase{"TenTicksMakeASecond", 10, "0分1.0秒"},
                                           TickCase{"JustBelowAMinute", 599, "0分59.9秒"},
                                           TickCase{"SixHundredTicksMakeAMinute", 600, "1分0.0秒"},
                                           TickCase{"SevenMinutesAndABit", 7 * 600 + 3 * 10 + 3, "7分3.3秒"},
                                           TickCase{"MinutesGoPastAnHour", 36000, "60分0.0秒"}),
                         [](const auto &tickCase) { return std::string(tickCase.param.name); });

TEST(Stopwatch, TheLastMinuteHoldsInsteadOfOverflowing)
{
    testing::RecordingPort port;
    Stopwatch stopwatch(port);
    stopwatch.Advance(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(stopwatch.TimeText(), std::to_string(std::numeric_limits<std::int32_t>::max()) + "分0.0秒");
    stopwatch.Tick();
    EXPECT_EQ(stopwatch.Minutes(), std::numeric_limits<std::int32_t>::max());
}

TEST(Stopwatch, ResultTextWrapsTheTimeAsItStands)
{
    testing::RecordingPort port;
    Stopwatch stopwatch(port);
    EXPECT_EQ(stopwatch.ResultText(), "今のタイムは0分0.0秒です");
    for (int i = 0; i < 2 * 600 + 3 * 10 + 4; ++i) {
        stopwatch.Tick();
    }
    EXPECT_EQ(stopwatch.ResultText(), "今のタイムは2分3.4秒です");
    EXPECT_EQ(stopwatch.Minutes(), 2);
    EXPECT_EQ(stopwatch.Seconds(), 3);
    EXPECT_EQ(stopwatch.Tenths(), 4);
}

TEST(Stopwatch, ResetStartsFromZeroWithoutTouchingTheLabel)
{
    testing::RecordingPort port;
    Stopwatch stopwatch(port);
    for (int i = 0; i < 1234; ++i) {
        stopwatch.Tick();
    }
    stopwatch.Reset();
    EXPECT_EQ(stopwatch.ResultText(), "今のタイムは0分0.0秒です");
    EXPECT_EQ(port.timeText, "2分3.4秒");
    stopwatch.Tick();
    EXPECT_EQ(port.timeText, "0分0.1秒");
}

} // namespace
} // namespace sumdrop
