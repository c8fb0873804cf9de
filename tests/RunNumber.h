// SPDX-License-Identifier: MIT
// RunNumber: randomised tests draw a fresh run number each time and print it; setting the
// named environment variable to it replays that run exactly.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>

namespace sumdrop::testing {

// The number in the environment variable, or else `otherwise`, or else a fresh random one.
inline std::uint32_t RunNumber(const char *variable, std::optional<std::uint32_t> otherwise = std::nullopt)
{
    if (const char *given = std::getenv(variable)) {
        return static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10));
    }
    return otherwise.value_or(std::random_device{}());
}

} // namespace sumdrop::testing
