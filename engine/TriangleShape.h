// SPDX-License-Identifier: MIT
// TriangleShape: where each cell of the upside-down triangle sits. The one home of its geometry,
// used by the windows and the tests alike.
#pragma once

namespace sumdrop {

// Cells are numbered row by row from the top, left to right: row r (0..7) holds 8 - r cells.
inline constexpr int CellCount = 36;
inline constexpr int TopRowLength = 8;
inline constexpr int RowCount = TopRowLength;
inline constexpr int BottomCell = CellCount - 1;

// 0 <= row < 8
constexpr int RowLength(int row)
{
    return TopRowLength - row;
}

// 0 <= row < 8
constexpr int FirstCellOfRow(int row)
{
    return TopRowLength * row - row * (row - 1) / 2;
}

// 0 <= cell < 36
constexpr int RowOf(int cell)
{
    int row = 0;
    while (row + 1 < RowCount && FirstCellOfRow(row + 1) <= cell) {
        ++row;
    }
    return row;
}

// 0 <= cell < 36; 0 for the leftmost cell of a row.
constexpr int PositionInRow(int cell)
{
    return cell - FirstCellOfRow(RowOf(cell));
}

// 8 <= cell < 36: the left one of the two cells above it; the right one is the next cell.
constexpr int LeftParentOf(int cell)
{
    return cell - RowLength(RowOf(cell) - 1);
}

} // namespace sumdrop
