// What every type page shows around its drawings, on the one- and the two-coloured type
// screen alike: the 3 x 2 grid of cells and the key line at the bottom.
#pragma once

namespace kolvard {

class Screen;

inline constexpr double kTypeCellWidth = 198;
inline constexpr double kTypeCellHeight = 212;
inline constexpr double kTypeGridLeft = 23, kTypeGridTop = 23;
inline constexpr double kTypeBottomLine = 468;

// Clears the window and draws the grid lines.
void drawTypeGrid(Screen& screen);

// "Esc Retur", "V Ny værdi", "W Vandmærker", and the paging arrows where the index can move.
void drawTypeBottomLine(Screen& screen, int index, int lastIndex);

}  // namespace kolvard
