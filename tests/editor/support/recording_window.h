#pragma once
// Stand-ins for the main window's controls and the canvas that record what the rules told them.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/canvas_surface.h"
#include "editor/model/window_controls.h"

namespace brolt::testing {

class RecordingWindow : public editor::WindowControls {
 public:
  struct StatusText {
    std::string text;
    bool bold = false;
    std::int32_t colour = 0;
  };

  std::map<int, StatusText> status;  // by panel
  std::map<editor::ToolControl, bool> enabled;
  std::vector<int> pointers;
  int minimapPointer = -1;
  int currentTool = -1;
  bool paletteMarkerShown = false;
  int paletteMarkerTile = -1;
  std::map<bool, std::pair<int, int>> previews;  // by secondary: tile and direction
  std::string saturationCaption;
  int brushSizeShown = 0;

  void ShowStatusText(std::string_view text, int index, bool bold, bool, std::int32_t colour) override {
    status[index] = {std::string(text), bold, colour};
  }
  void SetMousePointer(int pointer) override { pointers.push_back(pointer); }
  void EnableToolControl(editor::ToolControl control, bool on) override { enabled[control] = on; }
  void ShowCurrentTool(int tool) override { currentTool = tool; }
  void ShowPaletteMarker(bool shown, int tile) override {
    paletteMarkerShown = shown;
    paletteMarkerTile = tile;
  }
  void ShowTilePreview(bool secondary, int tile, int direction) override { previews[secondary] = {tile, direction}; }
  void ShowSaturation(int, std::string_view caption) override { saturationCaption = caption; }
  void ShowBrushSize(int value) override { brushSizeShown = value; }
  void SetMinimapPointer(int pointer) override { minimapPointer = pointer; }
};

class RecordingCanvas : public editor::CanvasSurface {
 public:
  std::vector<std::pair<int, int>> redrawnCells;
  int levelRedraws = 0;

  void RedrawCell(int x, int y) override { redrawnCells.emplace_back(x, y); }
  void RedrawLevel() override { ++levelRedraws; }
};

}  // namespace brolt::testing
