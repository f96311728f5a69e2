#pragma once
// The column widths (twips) the lists have before a user changes them: the
// windows start with them, and the shutdown stores them for a window that was
// never opened, so that every width has its value in the settings. The
// results list keeps its own in its column table (results/FindColumns.h).

#include <array>

inline constexpr std::array<double, 4> DesignPathWidths{2700, 900, 1200, 2400};
inline constexpr std::array<double, 6> DesignLibWidths{1650, 2175, 1800, 1050, 1050, 2400};
