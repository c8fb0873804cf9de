// SPDX-License-Identifier: MIT
// Whole games with random top rows, random wrong digits and random clock ticks, judged against
// the plain row-by-row solution. Set SUMDROP_PROPERTY_SEED to replay a failing run.
#include "NumberTriangle.h"
#include "RecordingPort.h"
#include "ReferenceTriangle.h"
#include "RunNumber.h"
#include "Stopwatch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace sumdrop {
namespace {

TEST(WholeGames, AcceptExactlyTheRightDigitsInReadingOrderAndEndOnceAfterTheBottom)
{
    const std::uint32_t runNumber = testing::RunNumber("SUMDROP_PROPERTY_SEED");
    SCOPED_TRACE("replay with SUMDROP_PROPERTY_SEED=" + std::to_string(runNumber));
    std::mt19937 random(runNumber);
    std::uniform_int_distribution<int> topDigit(0, 8);
    std::uniform_int_distribution<int> anyDigit(0, 9);
    std::uniform_int_distribution<int> percent(0, 99);

    constexpr int games = 2000;
    for (int game = 0; game < games; ++game) {
        testing::RecordingPort port;
        Stopwatch stopwatch(port);
        NumberTriangle triangle(port, stopwatch);
        stopwatch.Reset();
        triangle.Initialise();

        std::array<int, 8> topRow{};
        for (int &digit : topRow) {
            digit = topDigit(random);
        }
        port.ScriptTopRow(topRow);
        triangle.StartGame();
        const auto solved = testing::SolveTriangle(topRow);

        int accepted = 0;
        int endings = 0;
        int ticks = 0;
        for (int digits = 0; port.timerEnabled; ++digits) {
            ASSERT_LT(accepted, 28) << "game " << game << " ran past its last cell";
            ASSERT_LT(digits, 10000) << "game " << game << " never reached its end";
            if (percent(random) < 40) {
                stopwatch.Tick();
                ++ticks;
            }
            const int target = 8 + accepted;
            const int digit = percent(random) < 30 ? anyDigit(random) : solved.at(target);
            const auto messagesBefore = port.messages.size();
            port.log.clear();
            triangle.EnterDigit(digit);

            if (digit != solved.at(target)) {
                ASSERT_EQ(port.log, std::vector<std::string>{"message " + std::string(WrongDigitMessage)})
                    << "game " << game << " cell " << target << " digit " << digit;
                continue;
            }
            ++accepted;
            ASSERT_GE(port.log.size(), 2U);
            EXPECT_EQ(port.log.at(0), "text " + std::to_string(target) + " " + std::to_string(digit));
            EXPECT_EQ(port.log.at(1), "shade " + std::to_string(target));
            EXPECT_EQ(port.cellShade.at(target), ShadeColor);
            if (!port.timerEnabled) {
                ++endings;
                ASSERT_EQ(port.messages.size(), messagesBefore + 1);
                EXPECT_EQ(port.messages.back(), stopwatch.ResultText());
                EXPECT_EQ(stopwatch.Minutes() * 600 + stopwatch.Seconds() * 10 + stopwatch.Tenths(), ticks);
            } else {
                EXPECT_EQ(port.messages.size(), messagesBefore);
            }
        }
        EXPECT_EQ(accepted, 28) << "game " << game;
        EXPECT_EQ(endings, 1) << "game " << game;
        for (int cell = 0; cell < 36; ++cell) {
            EXPECT_EQ(port.cellText.at(cell), std::to_string(solved.at(cell))) << "game " << game << " cell " << cell;
        }

        // Once over, the game stays over.
        triangle.EnterDigit(anyDigit(random));
        EXPECT_EQ(port.messages.back(), StartFirstMessage);
        EXPECT_FALSE(port.timerEnabled);
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
}

} // namespace
} // namespace sumdrop
