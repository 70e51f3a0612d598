// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orbo {

// Makes a write beyond the file-size limit (ulimit -f) fail with an error, as
// on a full disk, instead of killing the program with SIGXFSZ. Called first
// thing in main.
void ignoreFileSizeLimitSignal();

}  // namespace orbo
