// SPDX-License-Identifier: MIT
#include "ScreenReaderSync.h"

#include "Narration.h"

namespace sumdrop::web {

ScreenReaderSync::ScreenReaderSync(const val &parent, const std::array<val, CellCount> &boxes)
    : cells(boxes), liveRegion(Append(parent, "div", "narration"))
{
    liveRegion.call<void>("setAttribute", val("aria-live"), val("polite"));
    liveRegion["classList"].call<void>("add", val("unseen"));
}

ScreenReaderSync::~ScreenReaderSync()
{
    liveRegion.call<void>("remove");
}

void ScreenReaderSync::DescribeCells(const NumberTriangle &triangle, bool running)
{
    for (int cell = 0; cell < CellCount; ++cell) {
        std::string name = CellName(triangle, cell, running);
        if (names.at(cell) != name) {
            cells.at(cell).call<void>("setAttribute", val("aria-label"), Js(name));
            names.at(cell) = std::move(name);
        }
    }
}

void ScreenReaderSync::Narrate(const std::string &sentence)
{
    if (!sentence.empty()) {
        SetText(liveRegion, sentence);
    }
}

} // namespace sumdrop::web
