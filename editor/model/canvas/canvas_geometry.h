#pragma once
// Conversions between canvas pixels and cells at the current zoom. Cell (x, y) covers the pixels
// from x * TileSize to (x + 1) * TileSize; its picture fills the square inside the grid lines.
#include "editor/model/canvas/view_state.h"

namespace brolt::editor {

// The cell that holds the pixel, rounded towards minus infinity and not clamped to the level.
int PixelToTile(const ViewState& view, double pixel);

// The left or top pixel of a cell.
double TileToPixel(const ViewState& view, double cell);

// The left or top pixel of the cell that holds the pixel.
float SnapToGrid(const ViewState& view, double pixel);

// The zoom as the whole number of pixels per cell that the canvas draws with.
int CellPixels(const ViewState& view);

}  // namespace brolt::editor
