// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keyboard scan codes, as indexes into the 256-byte key state.
namespace orbo::ScanCode {
constexpr int Escape = 1;
constexpr int Equals = 13;
constexpr int Q = 16;
constexpr int W = 17;
constexpr int R = 19;
constexpr int P = 25;
constexpr int F = 33;
constexpr int F1 = 59;
constexpr int Up = 200;
constexpr int Left = 203;
constexpr int Right = 205;
constexpr int Down = 208;
}  // namespace orbo::ScanCode
