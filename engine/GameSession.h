// SPDX-License-Identifier: MIT
// GameSession: the game behind one main window, as every front end holds it: the triangle, its
// stopwatch, the random source, the clock the time is read from and whether a game is running.
// A front end builds its controls, carries out ScreenPort and ScreenReaderPort on them, and
// passes its events on here; it never calls back in.
#pragma once

#include "Narration.h"
#include "NumberTriangle.h"
#include "Stopwatch.h"
#include "UiPort.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace sumdrop {

// The start of a random sequence, from the wall clock: every front end seeds a session so.
[[nodiscard]] std::uint64_t RandomStartAt(std::chrono::system_clock::time_point now);

// A top row, left to right: the whole of a game, and so its name.
using TopRow = std::array<int, TopRowLength>;
// The row a name gives: exactly eight digits 0 to 8, as "48123076"; nothing for any other text.
[[nodiscard]] std::optional<TopRow> RowNamed(std::string_view name);
// The name of the top row the triangle was dealt.
[[nodiscard]] std::string NameOfRow(const NumberTriangle &triangle);

class GameSession {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // randomStart is where the random sequence starts at every load; clock is read at Start and
    // at every event, and must never go back.
    GameSession(ScreenPort &screen, ScreenReaderPort &reader, std::uint64_t randomStart, Clock clock);

    // The window's load: the controls in their load state, the stopwatch at zero, the triangle
    // in its load-time state, the random sequence back at its start.
    void Load();
    // The next Start deals this row, drawn as the design draws every row; a Load forgets it.
    // 0 <= each digit <= 8.
    void DealNext(const TopRow &row);
    // A click on Start or on a digit button: an index into layout::Buttons. Quit and Help are the
    // window's own business and are ignored here.
    void Press(std::size_t button);
    // An event of the 99 ms timer. The stopwatch shows every whole period since Start, those a
    // late event missed included.
    void Tick();

    [[nodiscard]] const NumberTriangle &Triangle() const { return triangle; }
    [[nodiscard]] bool Running() const { return running; }

private:
    // The triangle's and the stopwatch's UiPort: the screen's operations go on to the front end;
    // the session answers the random numbers and whether a game runs, and names the boxes before
    // a message opens, since a screen reader may read them behind it.
    class SessionPort final : public UiPort {
    public:
        SessionPort(GameSession &owner, ScreenPort &screen) : session(owner), front(screen) {}

        void SetCellText(int cell, const std::string &text) override { front.SetCellText(cell, text); }
        void SetCellShade(int cell, Colour colour) override { front.SetCellShade(cell, colour); }
        void SetTimeText(const std::string &text) override { front.SetTimeText(text); }
        void SetStartVisible(bool visible) override { front.SetStartVisible(visible); }
        void SetQuitVisible(bool visible) override { front.SetQuitVisible(visible); }
        void SetTimerEnabled(bool enabled) override;
        [[nodiscard]] bool IsTimerEnabled() const override { return session.running; }
        void ShowMessage(const std::string &text) override;
        double NextRandom() override;

    private:
        GameSession &session;
        ScreenPort &front;
    };

    void Start();
    void EnterDigit(int digit);
    void CatchUp();
    void DescribeCells();

    SessionPort port;
    ScreenReaderPort &screenReader;
    Stopwatch stopwatch;
    NumberTriangle triangle;
    std::uint64_t randomStart;
    std::mt19937_64 generator;
    std::optional<TopRow> namedRow;
    std::size_t namedDigitsDealt = 0;
    Clock now;
    bool running = false; // in step with the front end's timer, which only the session turns
    std::chrono::steady_clock::time_point startedAt{};
    std::int64_t periodsShown = 0;
    std::array<std::string, CellCount> cellNames{};
};

} // namespace sumdrop
