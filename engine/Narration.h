// SPDX-License-Identifier: MIT
// Narration: what a screen reader says of the game. Made from the game's state alone, so the
// window only hands the sentences on.
#pragma once

#include <string>

namespace sumdrop {

class NumberTriangle;

// A box as a screen reader names it: row and place, its digit or 空, and, while a game runs,
// whether it is the box to fill next. 0 <= cell < 36.
[[nodiscard]] std::string CellName(const NumberTriangle &triangle, int cell, bool running);

// Right after Start: the top row, then the box to fill and the two digits above it.
[[nodiscard]] std::string StartNarration(const NumberTriangle &triangle);

// Right after a digit was accepted: 正解, then the next box; empty once no box is left, since
// the result box speaks for the end of the game.
[[nodiscard]] std::string RightDigitNarration(const NumberTriangle &triangle);

} // namespace sumdrop
