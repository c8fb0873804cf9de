// SPDX-License-Identifier: MIT
// NumberTriangle: judging walks the cells with counters; no rows are stored.
#include "NumberTriangle.h"

#include "Stopwatch.h"
#include "UiPort.h"

#include <string>

namespace sumdrop {

void NumberTriangle::Initialise()
{
    nextCell = 0;
    parentSpan = TopRowLength;
    rowPos = 1;
}

void NumberTriangle::StartGame()
{
    // The Start button hides itself, so a second start can only come from a caller that broke
    // the rules; drawing a new top row under filled cells would corrupt the game.
    if (nextCell != 0 || ui.IsTimerEnabled()) {
        return;
    }
    ui.SetTimerEnabled(true);
    ui.SetStartVisible(false);
    ui.SetQuitVisible(true);
    for (nextCell = 0; nextCell < TopRowLength; ++nextCell) {
        auto digit = static_cast<std::int32_t>(9.0 * ui.NextRandom());
        // Keep the top row 0..8 even if a random source strays outside [0, 1).
        digit = digit < 0 ? 0 : (digit > 8 ? 8 : digit);
        cells.at(nextCell) = digit;
        ui.SetCellText(nextCell, std::to_string(digit));
    }
    ui.SetCellShade(TopRowLength, ShadeColor);
}

void NumberTriangle::EnterDigit(int digit)
{
    if (digit < 0 || digit > 9) {
        return;
    }
    if (!GameInProgress()) {
        ui.ShowMessage(StartFirstMessage);
        return;
    }

    // The row changes on the first digit after a row is complete, not when its last cell fills.
    if (parentSpan == rowPos) {
        rowPos = 1;
        parentSpan = parentSpan - 1;
    }

    const std::int32_t leftParent = nextCell - parentSpan;
    const std::int32_t sum = cells.at(leftParent) + cells.at(leftParent + 1);
    onesDigit = sum % 10;

    if (digit != onesDigit) {
        // A wrong digit never ends the game, not even for the bottom cell: the player tries again.
        ui.ShowMessage(WrongDigitMessage);
        return;
    }

    rowPos = rowPos + 1;
    ui.SetCellText(nextCell, std::to_string(digit));
    cells.at(nextCell) = digit;
    ui.SetCellShade(nextCell, ShadeColor);
    const bool bottomAccepted = nextCell == BottomCell;
    nextCell = nextCell + 1;

    if (bottomAccepted) {
        // Stop the clock before the box opens, so the box and the time label agree.
        ui.SetTimerEnabled(false);
        ui.ShowMessage(stopwatch.ResultText());
    }
}

bool NumberTriangle::GameInProgress() const
{
    // The timer is the record of a running game; the target check only guards against a timer
    // that someone else switched on before the top row was drawn.
    return ui.IsTimerEnabled() && nextCell >= TopRowLength && nextCell <= BottomCell;
}

std::int32_t NumberTriangle::Cell(int cell) const
{
    return cells.at(cell);
}

} // namespace sumdrop
