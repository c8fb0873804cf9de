// SPDX-License-Identifier: MIT
// ScreenReaderSync: the session's box names as the boxes' labels, its sentences in the live region.
#include "ScreenReaderSync.h"

#include "Layout.h"

namespace sumdrop::web {

ScreenReaderSync::ScreenReaderSync(const std::array<val, CellCount> &boxes)
    : cells(boxes), liveRegion(ById(layout::page::Narration))
{
}

void ScreenReaderSync::SetCellName(int cell, const std::string &name)
{
    cells.at(cell).call<void>("setAttribute", val("aria-label"), Js(name));
}

void ScreenReaderSync::Narrate(const std::string &sentence)
{
    SetText(liveRegion, sentence);
}

void ScreenReaderSync::Clear()
{
    SetText(liveRegion, "");
}

} // namespace sumdrop::web
