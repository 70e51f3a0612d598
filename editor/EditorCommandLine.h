// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace orbo {

// Answers --help, and a wrong command line with the usage, before any window
// exists, so also where there is no display: the exit status to end with, or
// nothing when the editor is to open.
std::optional<int> answerEditorCommandLine(int& argc, char* argv[]);

}  // namespace orbo
