// RunNumber: randomised tests draw a fresh run number each time and print it; setting the
// named environment variable to it replays that run exactly.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <random>

namespace sumdrop::testing {

inline std::uint32_t RunNumber(const char *variable)
{
    if (const char *given = std::getenv(variable)) {
        return static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10));
    }
    return std::random_device{}();
}

} // namespace sumdrop::testing
