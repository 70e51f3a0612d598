// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the folder the programs take as their own, for the install test to
// start through links.
#include <cstdio>

#include "common/Paths.h"

int main() {
    std::printf("%s\n", orbo::displayPath(orbo::executableFolder()).c_str());
    return 0;
}
