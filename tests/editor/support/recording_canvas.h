#pragma once
// A canvas and a main window that record what the rules ask of them, so that a test can check what
// was repainted and what the view controls were set to.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::testing {

class RecordingCanvas : public editor::CanvasSurface {
 public:
  std::vector<std::pair<int, int>> redrawnCells;
  int levelRedraws = 0;
  int miniLevelRedraws = 0;
  int viewMoves = 0;
  std::vector<int> pointers;

  void RedrawCell(int x, int y) override { redrawnCells.emplace_back(x, y); }
  void RedrawLevel() override { ++levelRedraws; }
  void RedrawMiniLevel() override { ++miniLevelRedraws; }
  void ViewMoved() override { ++viewMoves; }
  void SetPointer(int pointer) override { pointers.push_back(pointer); }
  int Calls() const {
    return static_cast<int>(redrawnCells.size()) + levelRedraws + miniLevelRedraws + viewMoves +
           static_cast<int>(pointers.size());
  }
};

class RecordingWindow : public editor::WindowControls {
 public:
  bool visible = true;
  std::pair<int, int> toolPanelHeights{0, 0};
  std::vector<int> windowPointers;
  std::string zoomText;
  std::optional<int> zoomItem;
  std::optional<std::pair<int, int>> brushSizeRange;
  std::optional<int> toolScrollMax;
  std::optional<editor::ThicknessMenu> thicknessMenu;

  void SetMousePointer(int pointer) override { windowPointers.push_back(pointer); }
  bool IsMainWindowVisible() override { return visible; }
  void ShowZoom(std::string_view text) override { zoomText = text; }
  void CheckZoomMenuItem(int index) override { zoomItem = index; }
  void SetBrushSizeRange(int maximum, int largeChange) override { brushSizeRange = {maximum, largeChange}; }
  std::pair<int, int> ToolPanelHeights() override { return toolPanelHeights; }
  void SetToolScrollMax(int maximum) override { toolScrollMax = maximum; }
  void ShowThicknessMenu(const editor::ThicknessMenu& menu) override { thicknessMenu = menu; }
};

// An editor whose canvas and main window record.
struct RecordingEditor {
  RecordingEditor() {
    editor.ui.canvas = &canvas;
    editor.ui.window = &window;
  }
  editor::Editor editor;
  RecordingCanvas canvas;
  RecordingWindow window;
};

}  // namespace brolt::testing
