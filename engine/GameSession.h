// SPDX-License-Identifier: MIT
// GameSession: the game behind one main window, as every front end holds it: the triangle, its
// stopwatch, the random source and the clock the time is read from. A front end builds its
// controls, carries out UiPort and ScreenReaderPort on them, and passes its events on here.
#pragma once

#include "Narration.h"
#include "NumberTriangle.h"
#include "Stopwatch.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace sumdrop {

class UiPort;

class GameSession {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // randomStart is where the random sequence starts at every load; clock is read at Start and
    // at every event, and must never go back.
    GameSession(UiPort &port, ScreenReaderPort &reader, std::uint64_t randomStart, Clock clock);

    // The window's load: the stopwatch at zero, the triangle in its load-time state, the random
    // sequence back at its start.
    void Load();
    // A click on Start or on a digit button: an index into layout::Buttons. Quit and Help are the
    // window's own business and are ignored here.
    void Press(std::size_t button);
    // An event of the 99 ms timer. The stopwatch shows every whole period since Start, those a
    // late event missed included.
    void Tick();
    // UiPort::NextRandom's answer: 0 <= result < 1.
    double NextRandom();
    // Brings the boxes' names up to date; a screen reader may read them behind a message box.
    void DescribeCells();

    [[nodiscard]] const NumberTriangle &Triangle() const { return triangle; }

private:
    void Start();
    void EnterDigit(int digit);
    void CatchUp();

    UiPort &ui;
    ScreenReaderPort &screenReader;
    Stopwatch stopwatch;
    NumberTriangle triangle;
    std::uint64_t randomStart;
    std::mt19937_64 generator;
    Clock now;
    std::chrono::steady_clock::time_point startedAt{};
    std::int64_t periodsShown = 0;
    std::array<std::string, CellCount> cellNames{};
};

} // namespace sumdrop
