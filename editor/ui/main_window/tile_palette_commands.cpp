#include "editor/ui/main_window/tile_palette_commands.h"

#include <string>

#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/tool_selection.h"
#include "editor/model/window/hide_selector.h"
#include "editor/model/window/status_text.h"
#include "editor/ui/main_window/tile_palette.h"

namespace brolt::editor {

namespace {

void TilePressed(Editor& editor, int code, Qt::MouseButton button) {
  editor.ui.window->FocusCanvas();
  if (ConfirmExitPasteMode(editor)) {
    editor.ui.window->ShowPaletteMarker(true, editor.tools.PrimaryTile);
    return;
  }
  ToolState& tools = editor.tools;
  if (tools.CurrentTool == kSelectorTool) tools.CurrentTool = kBrushTool;
  SelectTool(editor, tools.CurrentTool, code, button == Qt::RightButton);
}

void TileHovered(Editor& editor, int code) {
  HideSelector(editor);
  std::string text = "Click here to select: " + editor.tiles[code].Desc;
  if (editor.DeveloperMode) text += " (" + std::to_string(code) + ")";
  ShowStatusText(editor, text, 0, true, false, kStatusWhite);
}

}  // namespace

void ConnectTilePalette(Editor& editor, TilePalette& palette) {
  QObject::connect(&palette, &TilePalette::TileMouseDown, &palette,
                   [&editor](int code, Qt::MouseButton button) { TilePressed(editor, code, button); });
  // The pressed tile button always marks the primary tile.
  QObject::connect(&palette, &TilePalette::TileMouseUp, &palette, [&editor](int, Qt::MouseButton button) {
    if (button == Qt::RightButton) editor.ui.window->ShowPaletteMarker(true, editor.tools.PrimaryTile);
  });
  QObject::connect(&palette, &TilePalette::TileMouseMove, &palette, [&editor](int code) { TileHovered(editor, code); });
}

}  // namespace brolt::editor
