#pragma once

namespace orbo {

inline constexpr const char* SoundFolder = "\\звуки\\";
inline constexpr const char* TuneName = "музон0.mid";
inline constexpr const char* TuneFile = "\\звуки\\музон0.mid";

}  // namespace orbo
