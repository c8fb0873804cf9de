// SPDX-License-Identifier: MIT
// RecordingScreen: a front end's screen that keeps its state and a log of every call, so that
// tests check the order of effects. RecordingPort adds scripted random numbers, so that the
// triangle's tests fix the top row.
#pragma once

#include "UiPort.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

namespace sumdrop::testing {

template <typename Port> class Recording : public Port {
public:
    void SetCellText(int cell, const std::string &text) override
    {
        cellText.at(cell) = text;
        log.emplace_back("text " + std::to_string(cell) + " " + text);
    }
    void SetCellShade(int cell, Colour colour) override
    {
        cellShade.at(cell) = colour;
        log.emplace_back("shade " + std::to_string(cell));
    }
    void SetTimeText(const std::string &text) override { timeText = text; }
    void SetStartVisible(bool visible) override
    {
        startVisible = visible;
        log.emplace_back(visible ? "start shown" : "start hidden");
    }
    void SetQuitVisible(bool visible) override
    {
        quitVisible = visible;
        log.emplace_back(visible ? "quit shown" : "quit hidden");
    }
    void SetTimerEnabled(bool enabled) override
    {
        timerEnabled = enabled;
        log.emplace_back(enabled ? "timer on" : "timer off");
    }
    void ShowMessage(const std::string &text) override
    {
        messages.push_back(text);
        log.emplace_back("message " + text);
    }

    std::array<std::string, 36> cellText{};
    std::array<Colour, 36> cellShade{};
    std::string timeText;
    bool startVisible = true;
    bool quitVisible = false;
    bool timerEnabled = false;
    std::vector<std::string> messages;
    std::vector<std::string> log;

    Recording() { cellShade.fill(White); }
};

using RecordingScreen = Recording<ScreenPort>;

class RecordingPort : public Recording<UiPort> {
public:
    [[nodiscard]] bool IsTimerEnabled() const override { return timerEnabled; }
    double NextRandom() override
    {
        if (randoms.empty()) {
            return 0.0;
        }
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }

    // Scripts the top row: each digit d in 0..8 comes from a random number inside [d/9, (d+1)/9).
    void ScriptTopRow(const std::array<int, 8> &digits)
    {
        for (const int d : digits) {
            randoms.push_back((d + 0.5) / 9.0);
        }
    }

    std::deque<double> randoms;
};

} // namespace sumdrop::testing
