#pragma once
// Stand-ins for the main window's controls and the canvas that record what the rules told them, so
// that a test can check what was repainted and what the controls were set to.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/model/editor.h"
#include "editor/model/window/canvas_surface.h"
#include "editor/model/window/window_controls.h"

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
  bool paletteMarkerShown = false;
  int paletteMarkerTile = -1;
  std::map<bool, std::pair<int, int>> previews;  // by secondary: tile and direction
  bool visible = true;
  std::string zoomText;
  std::optional<int> zoomItem;
  std::optional<std::pair<int, int>> brushSizeRange;
  std::optional<editor::ThicknessMenu> thicknessMenu;
  std::vector<std::string> caption{"", "", ""};  // title, "(n of m)", file
  std::vector<std::string> recent;
  int dropDowns = 0;
  bool pasteMenus = false;
  bool ended = false;
  bool helpOrSplashShown = false;
  int canvasFocused = 0;

  void ShowStatusText(std::string_view text, int index, bool bold, bool, std::int32_t colour) override {
    status[index] = {std::string(text), bold, colour};
  }
  void SetMousePointer(int pointer) override { pointers.push_back(pointer); }
  void EnableToolControl(editor::ToolControl control, bool on) override { enabled[control] = on; }
  void ShowPaletteMarker(bool shown, int tile) override {
    paletteMarkerShown = shown;
    paletteMarkerTile = tile;
  }
  void ShowTilePreview(bool secondary, int tile, int direction) override { previews[secondary] = {tile, direction}; }
  void SetMinimapPointer(int pointer) override { minimapPointer = pointer; }
  bool IsMainWindowVisible() override { return visible; }
  void ShowZoom(std::string_view text) override { zoomText = text; }
  void CheckZoomMenuItem(int index) override { zoomItem = index; }
  void SetBrushSizeRange(int maximum, int largeChange) override { brushSizeRange = {maximum, largeChange}; }
  void ShowThicknessMenu(const editor::ThicknessMenu& menu) override { thicknessMenu = menu; }
  void ShowLevelCaption(std::string_view title, std::string_view number, std::string_view file) override {
    caption = {std::string(title), std::string(number), std::string(file)};
  }
  void DropDownLevelList() override { ++dropDowns; }
  void ShowRecentLevels(const std::vector<std::string>& captions) override { recent = captions; }
  void ShowPasteModeMenus(bool pasteMode) override { pasteMenus = pasteMode; }
  void EndProgram() override { ended = true; }
  bool HelpOrSplashShown() override { return helpOrSplashShown; }
  void FocusCanvas() override { ++canvasFocused; }
};

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
