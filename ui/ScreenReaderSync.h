// SPDX-License-Identifier: MIT
// ScreenReaderSync: keeps what a screen reader knows of the boxes in step with the game, and
// speaks the engine's sentences. The words themselves come from the engine's narration.
#pragma once

#include "TriangleShape.h"

#include <array>
#include <string>

class QLabel;
class QWidget;

namespace sumdrop {

class Announcer;
class NumberTriangle;

class ScreenReaderSync {
public:
    // The boxes belong to owner, which also owns what speaks the sentences.
    ScreenReaderSync(QWidget *owner, const std::array<QLabel *, CellCount> &boxes);
    ScreenReaderSync(const ScreenReaderSync &) = delete;
    ScreenReaderSync &operator=(const ScreenReaderSync &) = delete;
    ScreenReaderSync(ScreenReaderSync &&) = delete;
    ScreenReaderSync &operator=(ScreenReaderSync &&) = delete;
    ~ScreenReaderSync() = default;

    // Renames the boxes whose state changed, and only those, so that a screen reader hears of
    // those alone.
    void DescribeCells(const NumberTriangle &triangle, bool running);
    // An empty sentence says nothing.
    void Narrate(const std::string &sentence);

private:
    const std::array<QLabel *, CellCount> &cells;
    Announcer *announcer;
};

} // namespace sumdrop
