#include "editor/model/canvas/canvas_geometry.h"

#include <algorithm>
#include <cmath>

#include "common/numeric.h"

namespace brolt::editor {

int PixelToTile(const ViewState& view, double pixel) {
  // Far-off pixels saturate instead of overflowing the cell number.
  const double cell = std::floor(pixel / static_cast<double>(view.TileSize));
  return static_cast<int>(std::clamp(cell, -1.0e9, 1.0e9));
}

double TileToPixel(const ViewState& view, double cell) { return cell * static_cast<double>(view.TileSize); }

float SnapToGrid(const ViewState& view, double pixel) {
  return static_cast<float>(PixelToTile(view, pixel)) * view.TileSize;
}

int CellPixels(const ViewState& view) { return RoundToInt32(view.TileSize); }

}  // namespace brolt::editor
