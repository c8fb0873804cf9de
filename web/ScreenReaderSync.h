// SPDX-License-Identifier: MIT
// ScreenReaderSync: keeps what a screen reader knows of the boxes in step with the game, and
// speaks the engine's sentences through a live region. The words come from the engine's
// narration, as on the desktop.
#pragma once

#include "Dom.h"
#include "TriangleShape.h"

#include <array>
#include <string>

namespace sumdrop {
class NumberTriangle;
}

namespace sumdrop::web {

class ScreenReaderSync {
public:
    ScreenReaderSync(const val &parent, const std::array<val, CellCount> &boxes);
    ScreenReaderSync(const ScreenReaderSync &) = delete;
    ScreenReaderSync &operator=(const ScreenReaderSync &) = delete;
    ScreenReaderSync(ScreenReaderSync &&) = delete;
    ScreenReaderSync &operator=(ScreenReaderSync &&) = delete;
    ~ScreenReaderSync();

    // Renames the boxes whose state changed, and only those.
    void DescribeCells(const NumberTriangle &triangle, bool running);
    // An empty sentence says nothing.
    void Narrate(const std::string &sentence);

private:
    const std::array<val, CellCount> &cells;
    std::array<std::string, CellCount> names{};
    val liveRegion;
};

} // namespace sumdrop::web
