// SPDX-License-Identifier: MIT
// Narration: the sentences and box names are built from the triangle's counters and cells alone.
#include "Narration.h"

#include "NumberTriangle.h"

namespace sumdrop {

namespace {

// "次は 2段目 1番目、上は 4 と 0": the box to fill and the digits to add. Empty when the game
// has no such box, before Start or after the bottom box.
std::string NextTarget(const NumberTriangle &triangle)
{
    const int target = triangle.NextCell();
    if (target < TopRowLength || target > BottomCell) {
        return {};
    }
    const int left = LeftParentOf(target);
    return "次は " + std::to_string(RowOf(target) + 1) + "段目 " + std::to_string(PositionInRow(target) + 1) +
           "番目、上は " + std::to_string(triangle.Cell(left)) + " と " + std::to_string(triangle.Cell(left + 1));
}

} // namespace

std::string CellName(const NumberTriangle &triangle, int cell, bool running)
{
    const bool filled = cell < triangle.NextCell();
    std::string name = std::to_string(RowOf(cell) + 1) + "段目 " + std::to_string(PositionInRow(cell) + 1) + "番目 " +
                       (filled ? std::to_string(triangle.Cell(cell)) : std::string("空"));
    if (running && cell == triangle.NextCell()) {
        name += "、次に入力するマス";
    }
    return name;
}

std::string StartNarration(const NumberTriangle &triangle)
{
    const std::string target = NextTarget(triangle);
    if (target.empty()) {
        return {};
    }
    std::string topRow;
    for (int cell = 0; cell < TopRowLength; ++cell) {
        topRow += (cell > 0 ? " " : "") + std::to_string(triangle.Cell(cell));
    }
    return "一番上の段は " + topRow + "。" + target;
}

std::string DigitNarration(const NumberTriangle &triangle, int target)
{
    if (triangle.NextCell() == target) {
        return {};
    }
    const std::string next = NextTarget(triangle);
    return next.empty() ? std::string() : "正解。" + next;
}

} // namespace sumdrop
