// SPDX-License-Identifier: MIT
// Stopwatch: the counters roll over as a clock's digits do.
#include "Stopwatch.h"

#include "UiPort.h"

#include <algorithm>
#include <limits>

namespace sumdrop {

void Stopwatch::Reset()
{
    tenths = 0;
    seconds = 0;
    minutes = 0;
}

void Stopwatch::Tick()
{
    Advance(1);
}

void Stopwatch::Advance(std::int64_t periods)
{
    if (periods <= 0) {
        return;
    }
    constexpr std::int64_t tenthsPerMinute = 600;
    constexpr std::int64_t maxMinutes = std::numeric_limits<std::int32_t>::max();
    const std::int64_t total = std::int64_t{minutes} * tenthsPerMinute + std::int64_t{seconds} * 10 + tenths +
                               std::min(periods, (maxMinutes + 1) * tenthsPerMinute);
    // Four thousand years of play would be needed to pass the last minute; stop rather than overflow.
    if (total / tenthsPerMinute > maxMinutes) {
        minutes = static_cast<std::int32_t>(maxMinutes);
        seconds = 0;
        tenths = 0;
    } else {
        minutes = static_cast<std::int32_t>(total / tenthsPerMinute);
        seconds = static_cast<std::int32_t>(total % tenthsPerMinute / 10);
        tenths = static_cast<std::int32_t>(total % 10);
    }
    ui.SetTimeText(TimeText());
}

std::string Stopwatch::TimeText() const
{
    return std::to_string(minutes) + "分" + std::to_string(seconds) + "." + std::to_string(tenths) + "秒";
}

std::string Stopwatch::ResultText() const
{
    return "今のタイムは" + TimeText() + "です";
}

} // namespace sumdrop
