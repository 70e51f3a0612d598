// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileSizeLimit.h"

#include <csignal>

namespace orbo {

void ignoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace orbo
