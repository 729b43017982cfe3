#pragma once
// The marks of a Stepwise model file: the SQLite application id that tells it from
// other applications' databases, and the stored-format version of this release.
// Raise sto_FormatVersion whenever the file layout changes; a release opens files of
// every version from sto_OldestFormatVersion up to its own.
#include <cstdint>

inline constexpr std::int32_t sto_ApplicationId = 0x53545057;  // "STPW"
//
// History, one line per change:
//   1  the first layout.
//   2  "##attributes" ordinals are each attribute's position in its class's declaration
//      order (1 wrote some classes' stored order); the step and time point repositories
//      store their platform repository level. Files of 1 open: attributes are matched by
//      name, and a missing repository level reads as new.
inline constexpr std::int32_t sto_FormatVersion = 2;
inline constexpr std::int32_t sto_OldestFormatVersion = 1;
