// SPDX-License-Identifier: MIT
// Stopwatch: counts 99 ms periods as tenths, seconds and minutes and writes the time texts.
#pragma once

#include <cstdint>
#include <string>

namespace sumdrop {

class UiPort;

// The time label's caption before the first tick: U+3000, two spaces, 分, U+3000, 秒, U+3000.
inline constexpr const char *TimeLabelLoadCaption = "\u3000  分\u3000秒\u3000";

// The period the stopwatch counts, and the interval of the timer that drives it: ten make a
// displayed second.
inline constexpr int TickIntervalMilliseconds = 99;

class Stopwatch {
public:
    explicit Stopwatch(UiPort &port) : ui(port) {}

    void Reset();
    // One period more; rewrites the time label.
    void Tick();
    // periods >= 0 more at once, with one rewrite of the label: the periods a late tick missed.
    void Advance(std::int64_t periods);
    // "今のタイムは" + the time text + "です", from the counters as they stand.
    [[nodiscard]] std::string ResultText() const;
    // For example "0分7.3秒" or "12分0.0秒".
    [[nodiscard]] std::string TimeText() const;

    [[nodiscard]] std::int32_t Tenths() const { return tenths; }   // 0..9
    [[nodiscard]] std::int32_t Seconds() const { return seconds; } // 0..59
    [[nodiscard]] std::int32_t Minutes() const { return minutes; } // 0 upward

private:
    UiPort &ui;
    std::int32_t tenths = 0;
    std::int32_t seconds = 0;
    std::int32_t minutes = 0;
};

} // namespace sumdrop
