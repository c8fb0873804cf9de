// SPDX-License-Identifier: MIT
// Stopwatch: a tick is one timer event, so time lost by a late or merged event is never made up.
#include "Stopwatch.h"

#include "UiPort.h"

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
    ++tenths;
    if (tenths == 10) {
        tenths = 0;
        ++seconds;
    }
    if (seconds == 60) {
        tenths = 0;
        seconds = 0;
        // Four thousand years of play would be needed to get here; stop rather than overflow.
        if (minutes < std::numeric_limits<std::int32_t>::max()) {
            ++minutes;
        }
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
