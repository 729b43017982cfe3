#pragma once
// The marks of a Stepwise model file: the SQLite application id that tells it from
// other applications' databases, and the stored-format version of this release.
// Raise sto_FormatVersion whenever the file layout changes; a release opens files of
// every version from sto_OldestFormatVersion up to its own.
#include <cstdint>

inline constexpr std::int32_t sto_ApplicationId = 0x53545057;  // "STPW"
inline constexpr std::int32_t sto_FormatVersion = 1;
inline constexpr std::int32_t sto_OldestFormatVersion = 1;
