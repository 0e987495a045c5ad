#pragma once
// The level being edited: its map, its properties and where it lives in a collection.
#include <array>
#include <cstdint>
#include <string>

#include "editor/model/canvas/map_cell.h"

namespace brolt::editor {

struct LevelState {
  LevelMap Map{};
  std::string LevelTitle = "Untitled";
  std::array<std::string, 4> LevelColor{"0,0,0", "0,0,0", "0,0,0", "0,0,0"};  // LevelColor1..4
  std::int16_t LightRadius = 5;
  std::int16_t TimeLimit = 0;
  std::int16_t UnidAward = 0;
  std::int16_t CannonRate = 0;
  std::int16_t LevelNumber = -1;  // slot in LevelFile, -1 while the level has none
  bool LevelSaved = true;
  // The preview-start marker: the cell where a preview puts the Thresher, when placed.
  bool StartMarkerPlaced = false;
  std::int16_t StartMarkerX = 0;
  std::int16_t StartMarkerY = 0;

  MapCell& Cell(int x, int y) { return Map[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }
  const MapCell& Cell(int x, int y) const { return Map[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }
  bool StartMarkerOn(int x, int y) const { return StartMarkerPlaced && x == StartMarkerX && y == StartMarkerY; }
};

}  // namespace brolt::editor
