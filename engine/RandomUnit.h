// SPDX-License-Identifier: MIT
// RandomUnit: how every front end turns its generator's 64 random bits into NextRandom's number.
#pragma once

#include <cstdint>

namespace sumdrop {

// 0 <= result < 1: the top 53 bits make a double that can never round up to 1.
constexpr double RandomUnit(std::uint64_t bits)
{
    constexpr double unit = 1.0 / static_cast<double>(std::uint64_t{1} << 53U);
    return static_cast<double>(bits >> 11U) * unit;
}

} // namespace sumdrop
