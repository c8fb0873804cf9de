// SPDX-License-Identifier: MIT
// ScreenReaderSync: tells a screen reader what the game session says of the boxes, as their
// labels, and speaks its sentences through a live region.
#pragma once

#include "Dom.h"
#include "Narration.h"
#include "TriangleShape.h"

#include <array>
#include <string>

namespace sumdrop::web {

class ScreenReaderSync final : public ScreenReaderPort {
public:
    ScreenReaderSync(const val &parent, const std::array<val, CellCount> &boxes);
    ~ScreenReaderSync() override;

    void SetCellName(int cell, const std::string &name) override;
    void Narrate(const std::string &sentence) override;

private:
    const std::array<val, CellCount> &cells;
    val liveRegion;
};

} // namespace sumdrop::web
