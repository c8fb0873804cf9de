// SPDX-License-Identifier: MIT
// ReferenceTriangle: the whole solved triangle for a top row, built row by row the plain way,
// as a check on the engine's counter walk.
#pragma once

#include <array>
#include <vector>

namespace sumdrop::testing {

inline std::array<int, 36> SolveTriangle(const std::array<int, 8> &topRow)
{
    std::array<int, 36> solved{};
    std::vector<int> row(topRow.begin(), topRow.end());
    int index = 0;
    while (!row.empty()) {
        for (const int digit : row) {
            solved.at(index++) = digit;
        }
        std::vector<int> below;
        for (std::size_t k = 0; k + 1 < row.size(); ++k) {
            below.push_back((row[k] + row[k + 1]) % 10);
        }
        row = below;
    }
    return solved;
}

} // namespace sumdrop::testing
