// SPDX-License-Identifier: MIT
// Millions of engine calls in any order, including orders no window produces (a second Start,
// Initialise mid-game, a timer switched by someone else, digits out of range): nothing throws,
// every index stays inside the triangle and every counter inside its range.
// Set SUMDROP_FUZZ_SEED to replay a failing run.
#include "NumberTriangle.h"
#include "RunNumber.h"
#include "Stopwatch.h"
#include "UiPort.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace sumdrop {
namespace {

// A port that keeps only what the checks need, so that millions of calls stay quick.
class LeanPort : public UiPort {
public:
    explicit LeanPort(std::mt19937 &source) : random(source) {}

    void SetCellText(int cell, const std::string &text) override
    {
        cellsOutOfRange += cell < 0 || cell >= CellCount ? 1 : 0;
        badTexts += text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? 0 : 1;
    }
    void SetCellShade(int cell, Colour colour) override
    {
        cellsOutOfRange += cell < 0 || cell >= CellCount ? 1 : 0;
        badShades += colour == ShadeColor ? 0 : 1;
    }
    void SetTimeText(const std::string & /*text*/) override {}
    void SetStartVisible(bool /*visible*/) override {}
    void SetQuitVisible(bool /*visible*/) override {}
    void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    [[nodiscard]] bool IsTimerEnabled() const override { return timerEnabled; }
    void ShowMessage(const std::string & /*text*/) override { ++messages; }
    double NextRandom() override { return std::uniform_real_distribution<double>(0.0, 1.0)(random); }

    std::mt19937 &random;
    bool timerEnabled = false;
    long cellsOutOfRange = 0;
    long badTexts = 0;
    long badShades = 0;
    long messages = 0;
};

// Every filled cell below the top row holds the ones digit of the two cells above it: true of
// any state a game can reach, and broken by a second Start that redraws the top row mid-game.
bool FilledCellsAgree(const NumberTriangle &triangle)
{
    for (int cell = TopRowLength; cell < CellCount && cell < triangle.NextCell(); ++cell) {
        const int left = LeftParentOf(cell);
        if (triangle.Cell(cell) != (triangle.Cell(left) + triangle.Cell(left + 1)) % 10) {
            return false;
        }
    }
    return true;
}

TEST(EngineFuzz, AnyOrderOfCallsKeepsTheStateInRange)
{
    const std::uint32_t runNumber = testing::RunNumber("SUMDROP_FUZZ_SEED");
    SCOPED_TRACE("replay with SUMDROP_FUZZ_SEED=" + std::to_string(runNumber));
    std::mt19937 random(runNumber);
    LeanPort port(random);
    Stopwatch stopwatch(port);
    NumberTriangle triangle(port, stopwatch);
    triangle.Initialise();

    std::uniform_int_distribution<int> operation(0, 99);
    std::uniform_int_distribution<int> digit(-3, 12);
    constexpr long calls = 2'000'000;
    long gamesFinished = 0;
    for (long call = 0; call < calls; ++call) {
        const int pick = operation(random);
        const bool wasRunning = port.timerEnabled;
        const std::int32_t cellBefore = triangle.NextCell();
        ASSERT_NO_THROW({
            if (pick < 2) {
                triangle.Initialise();
            } else if (pick < 5) {
                triangle.StartGame();
            } else if (pick < 7) {
                port.timerEnabled = !port.timerEnabled; // someone else's hand on the timer
            } else if (pick < 30) {
                stopwatch.Tick();
            } else if (pick < 65) {
                // Mostly the right digit, so that games get to their end.
                const int target = triangle.NextCell();
                int right = 0;
                if (target >= TopRowLength && target < CellCount) {
                    const int left =
                        target - triangle.ParentSpan() + (triangle.ParentSpan() == triangle.RowPos() ? 1 : 0);
                    right = (triangle.Cell(left) + triangle.Cell(left + 1)) % 10;
                }
                triangle.EnterDigit(right);
            } else {
                triangle.EnterDigit(digit(random));
            }
        }) << "call "
           << call;
        gamesFinished += wasRunning && !port.timerEnabled && cellBefore == BottomCell ? 1 : 0;

        ASSERT_TRUE(FilledCellsAgree(triangle)) << "call " << call;
        ASSERT_GE(triangle.NextCell(), 0) << "call " << call;
        ASSERT_LE(triangle.NextCell(), CellCount) << "call " << call;
        ASSERT_GE(triangle.ParentSpan(), 2) << "call " << call;
        ASSERT_LE(triangle.ParentSpan(), 8) << "call " << call;
        ASSERT_GE(triangle.RowPos(), 1) << "call " << call;
        ASSERT_LE(triangle.RowPos(), triangle.ParentSpan() + 1) << "call " << call;
        ASSERT_GE(triangle.OnesDigit(), 0);
        ASSERT_LE(triangle.OnesDigit(), 9);
        ASSERT_GE(stopwatch.Tenths(), 0);
        ASSERT_LE(stopwatch.Tenths(), 9);
        ASSERT_GE(stopwatch.Seconds(), 0);
        ASSERT_LE(stopwatch.Seconds(), 59);
        ASSERT_GE(stopwatch.Minutes(), 0);
    }
    for (int cell = 0; cell < CellCount; ++cell) {
        EXPECT_GE(triangle.Cell(cell), 0);
        EXPECT_LE(triangle.Cell(cell), 9);
    }
    EXPECT_EQ(port.cellsOutOfRange, 0);
    EXPECT_EQ(port.badTexts, 0);
    EXPECT_EQ(port.badShades, 0);
    EXPECT_GT(gamesFinished, 0) << "the run never reached the end of a game, so it proved little";
    EXPECT_GT(port.messages, 0);
}

} // namespace
} // namespace sumdrop
