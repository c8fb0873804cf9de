// SPDX-License-Identifier: MIT
#include "ScreenReaderSync.h"

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

void ScreenReaderSync::SetCellName(int cell, const std::string &name)
{
    cells.at(cell).call<void>("setAttribute", val("aria-label"), Js(name));
}

void ScreenReaderSync::Narrate(const std::string &sentence)
{
    SetText(liveRegion, sentence);
}

} // namespace sumdrop::web
