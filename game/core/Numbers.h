// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>

namespace orbo {

// Nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2, -0.5 -> 0).
inline std::int32_t roundHalfEven(double value) { return static_cast<std::int32_t>(std::nearbyint(value)); }

// The integer part of a non-negative value, as used for random draws.
inline std::int32_t integerPart(double value) { return static_cast<std::int32_t>(std::floor(value)); }

}  // namespace orbo
