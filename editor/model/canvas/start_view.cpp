#include "editor/model/canvas/start_view.h"

#include <cmath>

#include "common/numeric.h"
#include "editor/model/canvas/map_cell.h"

namespace brolt::editor {

ViewOrigin StartViewOrigin(int viewportWidth, int viewportHeight, float tileSize) {
  const double middle = kLevelSize / 2;
  const double cellsAcrossHalf = std::floor(viewportWidth / 2.0 / tileSize);
  const double cellsDown = std::floor(viewportHeight / static_cast<double>(tileSize));
  return {RoundToInt16(middle - cellsAcrossHalf - 1), RoundToInt16(middle - cellsDown / 2 - 1)};
}

}  // namespace brolt::editor
