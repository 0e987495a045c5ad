#include "game/core/view/view_setup.h"

#include <cmath>

#include "common/numeric.h"
#include "game/core/state/game.h"
#include "game/core/state/world_geometry.h"

namespace brolt {

namespace {

void CentreLight(Game& game) {
  game.light.ViewOriginX = static_cast<std::int16_t>(-game.startUp.ScreenOffsetX);
  game.light.ViewOriginY = static_cast<std::int16_t>(-game.startUp.ScreenOffsetY);
}

}  // namespace

void InitCamera(Game& game) {
  CentreLight(game);
  RenderState& render = game.render;
  const double c = CellSize;
  render.ViewMinX = RoundToInt16(-(c * ViewCellsX) / 2 + c / 2);
  render.ViewMaxX = RoundToInt16((c * ViewCellsX) / 2 - c / 2);
  render.ViewMinY = RoundToInt16(-(c * ViewCellsY) / 2 + c / 2);
  render.ViewMaxY = RoundToInt16((c * ViewCellsY) / 2 - c / 2);
  render.HalfCellDiagonal = static_cast<float>(std::sqrt(c * c + c * c) / 2);
}

void DefaultColours(Game& game) {
  CentreLight(game);
  game.level.LightRadius = 0;
  for (int i = 0; i < 3; ++i) game.level.ColourTable[static_cast<std::size_t>(i)] = 255;
}

}  // namespace brolt
