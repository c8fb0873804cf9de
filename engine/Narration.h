// SPDX-License-Identifier: MIT
// Narration: what a screen reader says of the game. Made from the game's state alone, so the
// window only hands the sentences on.
#pragma once

#include <string>

namespace sumdrop {

class NumberTriangle;

// What a front end tells its screen reader: the name of each box, and sentences to speak.
class ScreenReaderPort {
public:
    ScreenReaderPort() = default;
    ScreenReaderPort(const ScreenReaderPort &) = delete;
    ScreenReaderPort &operator=(const ScreenReaderPort &) = delete;
    ScreenReaderPort(ScreenReaderPort &&) = delete;
    ScreenReaderPort &operator=(ScreenReaderPort &&) = delete;
    virtual ~ScreenReaderPort() = default;

    // 0 <= cell < 36; called only when the name changes.
    virtual void SetCellName(int cell, const std::string &name) = 0;
    // Never empty.
    virtual void Narrate(const std::string &sentence) = 0;
};

// A box as a screen reader names it: row and place, its digit or 空, and, while a game runs,
// whether it is the box to fill next. 0 <= cell < 36.
[[nodiscard]] std::string CellName(const NumberTriangle &triangle, int cell, bool running);

// Right after Start: the top row, then the box to fill and the two digits above it.
[[nodiscard]] std::string StartNarration(const NumberTriangle &triangle);

// Right after the player pressed a digit for the box `target`: 正解, then the next box. Empty when
// the digit was refused, and once no box is left: their message boxes speak for themselves.
[[nodiscard]] std::string DigitNarration(const NumberTriangle &triangle, int target);

} // namespace sumdrop
