// SPDX-License-Identifier: MIT
// GameSession: the time is read from the clock, not counted in timer events, so events that come
// late (a busy machine, a browser tab in the background) cost the player nothing.
#include "GameSession.h"

#include "Layout.h"
#include "RandomUnit.h"

#include <utility>

namespace sumdrop {

namespace {

constexpr std::chrono::milliseconds Period{TickIntervalMilliseconds};
// Timers may fire a hair before their interval is up (browsers round to whole milliseconds);
// such an event still counts the period it was meant for.
constexpr std::chrono::milliseconds EarlyEvent{5};

} // namespace

std::uint64_t RandomStartAt(std::chrono::system_clock::time_point now)
{
    return static_cast<std::uint64_t>(now.time_since_epoch().count());
}

std::optional<TopRow> RowNamed(std::string_view name)
{
    if (name.size() != TopRowLength) {
        return std::nullopt;
    }
    TopRow row{};
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (name[i] < '0' || name[i] > '8') {
            return std::nullopt;
        }
        row.at(i) = name[i] - '0';
    }
    return row;
}

std::string NameOfRow(const NumberTriangle &triangle)
{
    std::string name;
    for (int cell = 0; cell < TopRowLength; ++cell) {
        name += std::to_string(triangle.Cell(cell));
    }
    return name;
}

void GameSession::SessionPort::SetTimerEnabled(bool enabled)
{
    session.running = enabled;
    front.SetTimerEnabled(enabled);
}

void GameSession::SessionPort::ShowMessage(const std::string &text)
{
    session.DescribeCells();
    front.ShowMessage(text);
}

double GameSession::SessionPort::NextRandom()
{
    // A named row comes from the middle of each digit's ninth of [0, 1), which the triangle's
    // draw turns back into that digit.
    if (session.namedRow && session.namedDigitsDealt < session.namedRow->size()) {
        const int digit = session.namedRow->at(session.namedDigitsDealt++);
        return (digit + 0.5) / 9.0;
    }
    return RandomUnit(session.generator());
}

GameSession::GameSession(ScreenPort &screen, ScreenReaderPort &reader, std::uint64_t start, Clock clock)
    : port(*this, screen), screenReader(reader), stopwatch(port), triangle(port, stopwatch), randomStart(start),
      now(std::move(clock))
{
}

void GameSession::Load()
{
    port.SetTimerEnabled(false);
    for (int cell = 0; cell < CellCount; ++cell) {
        port.SetCellText(cell, "");
        port.SetCellShade(cell, White);
    }
    port.SetTimeText(TimeLabelLoadCaption);
    port.SetStartVisible(true);
    port.SetQuitVisible(false);
    stopwatch.Reset();
    triangle.Initialise();
    generator = std::mt19937_64(randomStart);
    namedRow.reset();
    periodsShown = 0;
    DescribeCells();
}

void GameSession::DealNext(const TopRow &row)
{
    namedRow = row;
    namedDigitsDealt = 0;
}

void GameSession::Press(std::size_t button)
{
    if (button == layout::StartButton) {
        Start();
    } else if (const int digit = layout::DigitOf(button); digit >= 0) {
        EnterDigit(digit);
    }
}

void GameSession::Start()
{
    // Read before the timer starts, so that its first event is never early for the clock.
    const auto startTime = now();
    const bool wasRunning = running;
    triangle.StartGame();
    if (!wasRunning && running) {
        startedAt = startTime;
        namedRow.reset();
    }
    DescribeCells();
    if (const std::string sentence = StartNarration(triangle); !sentence.empty()) {
        screenReader.Narrate(sentence);
    }
}

void GameSession::EnterDigit(int digit)
{
    // The last digit stops the clock: the time up to this press must be on it by then.
    CatchUp();
    const int target = triangle.NextCell();
    triangle.EnterDigit(digit);
    DescribeCells();
    if (const std::string sentence = DigitNarration(triangle, target); !sentence.empty()) {
        screenReader.Narrate(sentence);
    }
}

void GameSession::Tick()
{
    CatchUp();
}

void GameSession::CatchUp()
{
    // An event already on its way when the game ended changes nothing.
    if (!running) {
        return;
    }
    const std::int64_t periods = (now() - startedAt + EarlyEvent) / Period;
    if (periods > periodsShown) {
        stopwatch.Advance(periods - periodsShown);
        periodsShown = periods;
    }
}

void GameSession::DescribeCells()
{
    for (int cell = 0; cell < CellCount; ++cell) {
        std::string name = CellName(triangle, cell, running);
        if (cellNames.at(cell) != name) {
            screenReader.SetCellName(cell, name);
            cellNames.at(cell) = std::move(name);
        }
    }
}

} // namespace sumdrop
