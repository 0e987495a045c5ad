#include "editor/model/window/status_bar.h"

#include <string>

#include "editor/model/canvas/pointer_cells.h"
#include "editor/model/tools/brush_size.h"
#include "editor/model/window/status_text.h"

namespace brolt::editor {

namespace {

void ShowPlain(Editor& editor, const std::string& text, int field) {
  ShowStatusText(editor, text, field, false, false, kStatusWhite);
}

void ShowToolField(Editor& editor) {
  const ToolState& tools = editor.tools;
  const std::string size = std::to_string(tools.BrushSize);
  switch (tools.CurrentTool) {
    case kSelectorTool: ShowPlain(editor, "Tool: Selector", 3); break;
    case kBrushTool: ShowPlain(editor, "Tool: Brush (" + std::to_string(BrushWidth(tools)) + ")", 3); break;
    case kFillTool: ShowPlain(editor, "Tool: Fill", 3); break;
    case kRectangleTool: ShowPlain(editor, "Tool: Rect. (" + size + ")", 3); break;
    case kFilledRectangleTool: ShowPlain(editor, "Tool: Rect. Fill", 3); break;
    case kLineTool: ShowPlain(editor, "Tool: Line (" + size + ")", 3); break;
    default: break;  // the preview start keeps the tool it was chosen from
  }
}

std::string DirectionWord(int direction) {
  switch (direction) {
    case 1: return " (Up)";
    case 2: return " (Right)";
    case 3: return " (Down)";
    case 4: return " (Left)";
    default: return "";
  }
}

std::string TileText(const Editor& editor, const MapCell& cell) {
  std::string text = "Tile: " + editor.tiles[cell.TileCode].Desc;
  if (editor.DeveloperMode) {
    text += " (" + std::to_string(cell.TileCode) + ")  " + std::to_string(cell.Direction) + " -";
  }
  return text + DirectionWord(cell.Direction);
}

}  // namespace

void UpdateStatusBar(Editor& editor) {
  const InputState& input = editor.input;
  if (input.MouseX > editor.view.LevelExtent || input.MouseY > editor.view.LevelExtent) {
    ShowPlain(editor, "Col: ?", 1);
    ShowPlain(editor, "Row: ?", 2);
    return;
  }
  const CellPosition pointer = PointerCell(editor);
  ShowPlain(editor, "Col: " + std::to_string(pointer.x), 1);
  ShowPlain(editor, "Row: " + std::to_string(pointer.y), 2);
  ShowToolField(editor);
  // The canvas's right and bottom edges are the map's spare column and row; nothing lies beyond.
  if (pointer.x < 0 || pointer.y < 0 || pointer.x >= kMapSize || pointer.y >= kMapSize) return;
  const MapCell& cell = editor.level.Map[static_cast<std::size_t>(pointer.x)][static_cast<std::size_t>(pointer.y)];
  ShowPlain(editor, TileText(editor, cell), 0);
  if (cell.TileCode == 0) ShowStatusText(editor, editor.prefs.StatusBarText, 0, true, true, kStatusWhite);
}

}  // namespace brolt::editor
