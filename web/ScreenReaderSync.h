// SPDX-License-Identifier: MIT
// ScreenReaderSync: tells a screen reader what the game session says of the boxes, as their
// labels, and speaks its sentences, and the message boxes' texts, through a live region.
#pragma once

#include "Dom.h"
#include "Narration.h"
#include "TriangleShape.h"

#include <array>
#include <string>

namespace sumdrop::web {

class ScreenReaderSync final : public ScreenReaderPort {
public:
    explicit ScreenReaderSync(const std::array<val, CellCount> &boxes);

    void SetCellName(int cell, const std::string &name) override;
    void Narrate(const std::string &sentence) override;
    // Empties the live region, so that a screen reader that comes across it later, reading the
    // page, has nothing stale to read.
    void Clear();

private:
    const std::array<val, CellCount> &cells;
    val liveRegion;
};

} // namespace sumdrop::web
