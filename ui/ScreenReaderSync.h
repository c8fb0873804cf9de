// SPDX-License-Identifier: MIT
// ScreenReaderSync: tells a screen reader what the game session says of the boxes, and speaks
// its sentences.
#pragma once

#include "Narration.h"
#include "TriangleShape.h"

#include <array>
#include <string>

class QLabel;
class QWidget;

namespace sumdrop {

class Announcer;

class ScreenReaderSync final : public ScreenReaderPort {
public:
    // The boxes belong to owner, which also owns what speaks the sentences.
    ScreenReaderSync(QWidget *owner, const std::array<QLabel *, CellCount> &boxes);

    void SetCellName(int cell, const std::string &name) override;
    void Narrate(const std::string &sentence) override;

private:
    const std::array<QLabel *, CellCount> &cells;
    Announcer *announcer;
};

} // namespace sumdrop
