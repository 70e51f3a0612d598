// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace orbo {

// The rate with one decimal and no leading zero, rounded: 0 gives ".0", 0.94
// gives ".9", 59.96 gives "60.0".
std::string formatFps(float value, char decimalSeparator);

// The decimal separator of the user's locale.
char userDecimalSeparator();

// Seconds from one time-of-day reading to a later one, across midnight too.
float secondsBetween(float earlier, float later);

}  // namespace orbo
