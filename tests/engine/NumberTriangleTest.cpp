// SPDX-License-Identifier: MIT
// NumberTriangle: start, judging, row changes and the end of a game, against a recording port.
#include "NumberTriangle.h"
#include "Narration.h"
#include "RandomUnit.h"
#include "RecordingPort.h"
#include "ReferenceTriangle.h"
#include "Stopwatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sumdrop {
namespace {

constexpr std::array<int, 8> WorkedTopRow{4, 8, 1, 7, 0, 5, 3, 6};

class NumberTriangleTest : public ::testing::Test {
protected:
    NumberTriangleTest()
    {
        stopwatch.Reset();
        triangle.Initialise();
    }

    void Start(const std::array<int, 8> &topRow)
    {
        port.ScriptTopRow(topRow);
        triangle.StartGame();
        solved = testing::SolveTriangle(topRow);
    }

    // Enters the right digit for every cell before `cell`; one try a cell, so a target that
    // fails to move on fails the test instead of spinning.
    void FillUpTo(int cell)
    {
        for (int tries = 0; tries < CellCount && triangle.NextCell() < cell; ++tries) {
            triangle.EnterDigit(solved.at(triangle.NextCell()));
        }
        ASSERT_EQ(triangle.NextCell(), cell);
    }

    [[nodiscard]] int WrongDigitFor(int cell) const { return (solved.at(cell) + 3) % 10; }

    testing::RecordingPort port;
    Stopwatch stopwatch{port};
    NumberTriangle triangle{port, stopwatch};
    std::array<int, 36> solved{};
};

TEST_F(NumberTriangleTest, DigitsBeforeStartAskForStartAndChangeNothing)
{
    for (int digit = 0; digit <= 9; ++digit) {
        triangle.EnterDigit(digit);
    }
    EXPECT_EQ(port.messages, std::vector<std::string>(10, StartFirstMessage));
    EXPECT_EQ(triangle.NextCell(), 0);
    EXPECT_EQ(triangle.ParentSpan(), 8);
    EXPECT_EQ(triangle.RowPos(), 1);
    EXPECT_FALSE(port.timerEnabled);
    for (const auto &text : port.cellText) {
        EXPECT_TRUE(text.empty());
    }
}

TEST_F(NumberTriangleTest, StartRunsTheClockThenSwapsButtonsThenDrawsTheTopRowThenShadesCell8)
{
    Start(WorkedTopRow);
    const std::vector<std::string> expected{"timer on", "start hidden", "quit shown", "text 0 4",
                                            "text 1 8", "text 2 1",     "text 3 7",   "text 4 0",
                                            "text 5 5", "text 6 3",     "text 7 6",   "shade 8"};
    EXPECT_EQ(port.log, expected);
    EXPECT_EQ(triangle.NextCell(), 8);
    EXPECT_EQ(triangle.ParentSpan(), 8);
    EXPECT_EQ(triangle.RowPos(), 1);
    EXPECT_EQ(port.cellShade.at(8), ShadeColor);
    EXPECT_EQ(port.cellShade.at(9), White);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(NumberTriangleTest, TopRowDigitsAreZeroToEightAcrossTheWholeRandomRange)
{
    // The last two are the front ends' own extremes: no random bits, and all of them.
    port.randoms = {0.0, 0.1111, 0.1112, 0.5, 0.8888, 0.8889, sumdrop::RandomUnit(0), sumdrop::RandomUnit(~0ULL)};
    triangle.StartGame();
    const std::vector<int> expected{0, 0, 1, 4, 7, 8, 0, 8};
    for (int cell = 0; cell < 8; ++cell) {
        EXPECT_EQ(triangle.Cell(cell), expected.at(cell)) << "cell " << cell;
        EXPECT_EQ(port.cellText.at(cell), std::to_string(expected.at(cell)));
    }
}

TEST_F(NumberTriangleTest, RandomNumbersOutsideTheUnitRangeStillGiveTopRowDigits)
{
    port.randoms = {-0.5, 1.0, 7.0, -1e9, 0.5, 0.5, 0.5, 0.5};
    triangle.StartGame();
    EXPECT_EQ(triangle.Cell(0), 0);
    EXPECT_EQ(triangle.Cell(1), 8);
    EXPECT_EQ(triangle.Cell(2), 8);
    EXPECT_EQ(triangle.Cell(3), 0);
}

TEST_F(NumberTriangleTest, SecondStartIsRefusedAndLeavesTheGameAlone)
{
    Start(WorkedTopRow);
    FillUpTo(10);
    const auto logBefore = port.log;
    port.ScriptTopRow({1, 1, 1, 1, 1, 1, 1, 1});
    triangle.StartGame();
    EXPECT_EQ(port.log, logBefore);
    EXPECT_EQ(triangle.NextCell(), 10);
    EXPECT_EQ(triangle.Cell(0), 4);
}

TEST_F(NumberTriangleTest, WorkedExampleFourPlusEightExpectsTwo)
{
    Start(WorkedTopRow);
    triangle.EnterDigit(1);
    EXPECT_EQ(port.messages, std::vector<std::string>{WrongDigitMessage});
    EXPECT_EQ(triangle.OnesDigit(), 2);
    EXPECT_EQ(triangle.NextCell(), 8);
    EXPECT_TRUE(port.cellText.at(8).empty());

    triangle.EnterDigit(2);
    EXPECT_EQ(port.messages.size(), 1U);
    EXPECT_EQ(port.cellText.at(8), "2");
    EXPECT_EQ(port.cellShade.at(8), ShadeColor);
    EXPECT_EQ(triangle.NextCell(), 9);
    EXPECT_EQ(triangle.RowPos(), 2);
    EXPECT_EQ(port.cellShade.at(9), White) << "the new target is not shaded";
}

TEST_F(NumberTriangleTest, AcceptedDigitIsWrittenBeforeItIsShaded)
{
    Start(WorkedTopRow);
    port.log.clear();
    triangle.EnterDigit(2);
    EXPECT_EQ(port.log, (std::vector<std::string>{"text 8 2", "shade 8"}));
}

TEST_F(NumberTriangleTest, RowChangesOnTheFirstDigitAfterTheRowIsComplete)
{
    Start(WorkedTopRow);
    FillUpTo(15);
    EXPECT_EQ(triangle.RowPos(), 8);
    EXPECT_EQ(triangle.ParentSpan(), 8);

    // A wrong digit for cell 15 still makes the row change, and the change stands.
    triangle.EnterDigit(WrongDigitFor(15));
    EXPECT_EQ(port.messages.back(), WrongDigitMessage);
    EXPECT_EQ(triangle.ParentSpan(), 7);
    EXPECT_EQ(triangle.RowPos(), 1);
    EXPECT_EQ(triangle.OnesDigit(), (solved.at(8) + solved.at(9)) % 10);

    triangle.EnterDigit(solved.at(15));
    EXPECT_EQ(port.cellText.at(15), std::to_string(solved.at(15)));
    EXPECT_EQ(triangle.ParentSpan(), 7);
    EXPECT_EQ(triangle.RowPos(), 2);
}

TEST_F(NumberTriangleTest, WrongBottomDigitIsRefusedAndTheGameGoesOn)
{
    Start(WorkedTopRow);
    FillUpTo(35);
    EXPECT_TRUE(port.timerEnabled);
    const auto messagesBefore = port.messages.size();

    triangle.EnterDigit(WrongDigitFor(35));
    EXPECT_EQ(port.messages.size(), messagesBefore + 1);
    EXPECT_EQ(port.messages.back(), WrongDigitMessage);
    EXPECT_TRUE(port.timerEnabled) << "a wrong bottom digit must not end the game";
    EXPECT_TRUE(port.cellText.at(35).empty());
    EXPECT_EQ(triangle.NextCell(), 35);
    EXPECT_EQ(triangle.ParentSpan(), 2);

    triangle.EnterDigit(WrongDigitFor(35));
    EXPECT_TRUE(port.timerEnabled);

    for (int i = 0; i < 23; ++i) {
        stopwatch.Tick();
    }
    port.log.clear();
    triangle.EnterDigit(solved.at(35));
    const std::vector<std::string> expected{"text 35 " + std::to_string(solved.at(35)), "shade 35", "timer off",
                                            "message 今のタイムは0分2.3秒です"};
    EXPECT_EQ(port.log, expected);
    EXPECT_EQ(triangle.NextCell(), 36);
}

TEST_F(NumberTriangleTest, AfterTheEndEveryDigitAsksForStart)
{
    Start(WorkedTopRow);
    FillUpTo(36);
    ASSERT_FALSE(port.timerEnabled);
    const auto cellsBefore = port.cellText;
    port.messages.clear();
    for (int digit = 0; digit <= 9; ++digit) {
        triangle.EnterDigit(digit);
    }
    EXPECT_EQ(port.messages, std::vector<std::string>(10, StartFirstMessage));
    EXPECT_EQ(port.cellText, cellsBefore);
    EXPECT_FALSE(port.timerEnabled);
    triangle.StartGame();
    EXPECT_FALSE(port.timerEnabled) << "a finished game cannot be restarted in the same window";
}

// What a screen reader hears at each stage: before Start, after it, after a row change, after a
// refused digit and at the bottom box, where the message boxes speak instead.
TEST_F(NumberTriangleTest, NarrationFollowsTheGame)
{
    EXPECT_EQ(CellName(triangle, 0, false), "1段目 1番目 空");
    EXPECT_EQ(StartNarration(triangle), "");

    Start(WorkedTopRow);
    EXPECT_EQ(StartNarration(triangle), "一番上の段は 4 8 1 7 0 5 3 6。次は 2段目 1番目、上は 4 と 8");
    EXPECT_EQ(CellName(triangle, 3, true), "1段目 4番目 7");
    EXPECT_EQ(CellName(triangle, 8, true), "2段目 1番目 空、次に入力するマス");
    EXPECT_EQ(CellName(triangle, 8, false), "2段目 1番目 空");

    FillUpTo(15);
    EXPECT_EQ(DigitNarration(triangle, 14), "正解。次は 3段目 1番目、上は 2 と 9");
    triangle.EnterDigit(WrongDigitFor(15));
    EXPECT_EQ(DigitNarration(triangle, 15), "");
    EXPECT_EQ(CellName(triangle, 14, true), "2段目 7番目 9");
    EXPECT_EQ(CellName(triangle, 15, true), "3段目 1番目 空、次に入力するマス");

    FillUpTo(BottomCell);
    EXPECT_EQ(CellName(triangle, BottomCell, true), "8段目 1番目 空、次に入力するマス");
    triangle.EnterDigit(solved.at(BottomCell));
    EXPECT_EQ(DigitNarration(triangle, BottomCell), "");
    EXPECT_EQ(CellName(triangle, BottomCell, false), "8段目 1番目 " + std::to_string(solved.at(BottomCell)));
}

TEST_F(NumberTriangleTest, CallsOutsideTheRulesAreRefusedCleanly)
{
    // Digits outside 0..9 are not digits.
    Start(WorkedTopRow);
    const auto logBefore = port.log;
    triangle.EnterDigit(-1);
    triangle.EnterDigit(10);
    EXPECT_EQ(port.log, logBefore);

    // A timer switched on by someone else before the top row exists does not make a game.
    testing::RecordingPort other;
    Stopwatch otherWatch(other);
    NumberTriangle fresh(other, otherWatch);
    fresh.Initialise();
    other.timerEnabled = true;
    fresh.EnterDigit(0);
    EXPECT_EQ(other.messages, std::vector<std::string>{StartFirstMessage});
    EXPECT_EQ(fresh.NextCell(), 0);
}

} // namespace
} // namespace sumdrop
