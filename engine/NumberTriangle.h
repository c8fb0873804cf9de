// SPDX-License-Identifier: MIT
// NumberTriangle: the state of one game and the rule that judges each digit the player enters.
#pragma once

#include "TriangleShape.h"

#include <array>
#include <cstdint>

namespace sumdrop {

class Stopwatch;
class UiPort;

inline constexpr char StartFirstMessage[] = "スタートボタンを押してください";
inline constexpr char WrongDigitMessage[] = "間違いです";

class NumberTriangle {
public:
    NumberTriangle(UiPort &port, const Stopwatch &clock) : ui(port), stopwatch(clock) {}

    // Load-time state; the game session sets it at each load, together with Stopwatch::Reset.
    void Initialise();
    // Starts the clock and draws the top row. Once per load: a second call is refused.
    void StartGame();
    // Judges the digit against the cell to fill. 0 <= digit <= 9; any other value is ignored.
    void EnterDigit(int digit);

    // 0 <= cell < 36. A cell not yet filled in this game holds 0 in a new engine, and the last
    // game's digit after a reload: the load leaves the cells alone.
    [[nodiscard]] std::int32_t Cell(int cell) const;
    [[nodiscard]] std::int32_t NextCell() const { return nextCell; }
    [[nodiscard]] std::int32_t ParentSpan() const { return parentSpan; }
    [[nodiscard]] std::int32_t RowPos() const { return rowPos; }
    [[nodiscard]] std::int32_t OnesDigit() const { return onesDigit; }

private:
    [[nodiscard]] bool GameInProgress() const;

    UiPort &ui;
    const Stopwatch &stopwatch;

    std::array<std::int32_t, CellCount> cells{};
    std::int32_t nextCell = 0;   // the cell the next accepted digit fills
    std::int32_t parentSpan = 8; // from the target back to its left parent: the length of the row above
    std::int32_t rowPos = 1;     // 1-based position of the target in its row
    std::int32_t onesDigit = 0;  // the digit the last judgement expected
};

} // namespace sumdrop
