#pragma once
// The chosen tool, the two tiles the mouse buttons paint and the brush settings.
#include <cstdint>

namespace brolt::editor {

enum Tool : std::int16_t {
  kSelectorTool = 0,
  kBrushTool = 1,
  kFillTool = 2,
  kRectangleTool = 3,
  kFilledRectangleTool = 4,
  kLineTool = 5,
  kPreviewStartTool = 6,
};

struct ToolState {
  std::int16_t CurrentTool = kBrushTool;
  std::int16_t PrimaryTile = 45;
  std::int16_t PrimaryDirection = 0;
  std::int16_t SecondaryTile = 0;
  std::int16_t SecondaryDirection = 0;
  std::int16_t Saturation = 100;  // percent 1..100
  std::int16_t BrushSize = 1;     // the size control's value n; the brush is 2n - 1 cells wide
  bool Overwrite = false;
  std::int16_t CounterTile = 21;
};

}  // namespace brolt::editor
