#include "editor/model/window/minimap_mouse.h"

#include <cmath>
#include <string>

#include "editor/model/canvas/minimap.h"
#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/model/window/hide_selector.h"
#include "editor/model/window/minimap_position.h"
#include "editor/model/window/status_text.h"

namespace brolt::editor {

namespace {

constexpr float kMiniLevelExtent = kLevelSize * kMiniCellPixels;

// The viewport box onto the pointed cell, and the canvas after it.
void FollowPointer(Editor& editor, float x, float y) {
  ShowMiniLevelPos(editor, x, y);
  const auto cell = [](float pixels) { return static_cast<std::int16_t>(std::floor(pixels / kMiniCellPixels)); };
  std::int16_t column = cell(editor.view.shpMiniSelect.Left);
  std::int16_t row = cell(editor.view.shpMiniSelect.Top);
  ScrollTo(editor, column, row);
}

void ShowPointedCell(Editor& editor, std::string_view caption, float pixels, int panel) {
  if (pixels < 0 || pixels >= kMiniLevelExtent) return;
  ShowStatusText(editor, std::string(caption) + std::to_string(static_cast<int>(pixels / kMiniCellPixels)), panel,
                 false, false, kStatusWhite);
}

}  // namespace

void MiniLevelMouseDown(Editor& editor, int button, float x, float y) {
  if (button == kRightButton) return;
  editor.input.MiniMouseButton = static_cast<std::int16_t>(button);
  if (button == kLeftButton) ShowMiniLevelPos(editor, x, y);
}

void MiniLevelMouseMove(Editor& editor, float x, float y) {
  HideSelector(editor);
  if (editor.input.MiniMouseButton == kLeftButton) FollowPointer(editor, x, y);
  // The help window's search box or the splash keeps the keys.
  if (!editor.ui.window->HelpOrSplashShown()) editor.ui.window->FocusCanvas();
  ShowPointedCell(editor, "Col: ", x, 1);
  ShowPointedCell(editor, "Row: ", y, 2);
}

void MiniLevelMouseUp(Editor& editor, int button, float x, float y) {
  if (button == kRightButton) {
    editor.ui.dialogs->ShowHelpTopic("minimap");
    return;
  }
  if (editor.input.MiniMouseButton == kLeftButton) FollowPointer(editor, x, y);
  editor.input.MiniMouseButton = 0;
  editor.preview.MinimapPointer = kDefaultPointer;
  editor.ui.window->SetMinimapPointer(kDefaultPointer);
  editor.ui.window->FocusCanvas();
}

}  // namespace brolt::editor
