#include "editor/model/tools/tool_selection.h"

#include "editor/model/canvas/pointer_cells.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/tools/brush_size.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/rotate_selection.h"
#include "editor/model/tools/selection_marks.h"
#include "editor/model/window/hide_selector.h"

namespace brolt::editor {

namespace {

// The direction a newly chosen tile starts in: up for a tile that turns, none for one that doesn't.
std::int16_t StartDirection(const Editor& editor, int tile) { return editor.tiles[tile].Rotate ? 1 : 0; }

// Menus and panel controls by tool: the selector works on the selection, the other tools paint.
void EnableControlsForTool(Editor& editor, int tool) {
  WindowControls& window = *editor.ui.window;
  const bool selector = tool == kSelectorTool;
  window.EnableToolControl(ToolControl::Thickness, tool == kBrushTool || tool == kRectangleTool);
  window.EnableToolControl(ToolControl::ToolsRotate, !selector);
  window.EnableToolControl(ToolControl::ToolsRotateSecondary, !selector);
  window.EnableToolControl(ToolControl::EditCopy, selector);
  window.EnableToolControl(ToolControl::EditCut, selector);
  window.EnableToolControl(ToolControl::EditRotateMenu, selector);
  if (selector) window.EnableToolControl(ToolControl::EditPaste, true);
  for (const ToolControl control : {ToolControl::EditDeleteSelected, ToolControl::EditInvertSelection,
                                    ToolControl::EditSelectAll, ToolControl::SelectTilesOnly, ToolControl::EditClearLevel}) {
    window.EnableToolControl(control, true);
  }
  window.EnableToolControl(ToolControl::Saturation, !selector);
  window.ShowPaletteMarker(!selector, selector ? 0 : editor.tools.PrimaryTile);
}

// The size bar sizes the brush, the outlined rectangle's thickness and nothing else; a unique tile
// is always painted on one cell, so its brush is one cell wide.
void EnableSizeBar(Editor& editor, int tool, int tile) {
  const bool uniqueBrush = tool == kBrushTool && editor.tiles[tile].Unique;
  if (uniqueBrush) SetBrushSize(editor, 1);
  const bool sizes = !uniqueBrush && (tool == kBrushTool || tool == kRectangleTool || tool == kPreviewStartTool);
  editor.ui.window->EnableToolControl(ToolControl::BrushSizeBar, sizes);
}

void ShowTurnedPreview(Editor& editor, bool secondary) {
  const ToolState& tools = editor.tools;
  if (secondary) {
    editor.ui.window->ShowTilePreview(true, tools.SecondaryTile, tools.SecondaryDirection);
  } else {
    editor.ui.window->ShowTilePreview(false, tools.PrimaryTile, tools.PrimaryDirection);
  }
}

// With the selector a turn acts on the level: the selection under the pointer turns as a whole, a
// single turning tile steps a quarter clockwise.
void TurnCellUnderPointer(Editor& editor) {
  const CellPosition pointer = PointerCell(editor);
  if (!IsLevelCell(pointer.x, pointer.y)) return;
  MapCell& cell = editor.level.Cell(pointer.x, pointer.y);
  if (cell.Selected) {
    RotateSelection(editor, 0);
    return;
  }
  if (!editor.tiles[cell.TileCode].Rotate) {
    ClearSelection(editor, false);
    return;
  }
  cell.Direction = static_cast<std::int16_t>(cell.Direction % 4 + 1);
  editor.preview.BrushOutline = OneCellBox(pointer.x, pointer.y);
  editor.ui.canvas->RedrawOverlays();
  editor.ui.canvas->RedrawCell(pointer.x, pointer.y);
  RecordUndo(editor);
}

}  // namespace

void SelectTool(Editor& editor, int tool, int tile, bool secondary) {
  ToolState& tools = editor.tools;
  CancelPasteMode(editor);
  editor.input.MouseIsDown = false;
  editor.selection.ToolDragActive = false;
  if (editor.prefs.UsePrimaryForCounter) SetCounterTile(editor, tile);
  if (tool == kPreviewStartTool) {
    if (tools.CurrentTool == kPreviewStartTool && tile != kThresherTile) {
      SelectTool(editor, kBrushTool, tile, false);
      return;
    }
    tile = kThresherTile;
  }
  tools.CurrentTool = static_cast<std::int16_t>(tool);
  const std::int16_t direction = StartDirection(editor, tile);
  if (secondary) {
    tools.SecondaryTile = static_cast<std::int16_t>(tile);
    tools.SecondaryDirection = direction;
  } else {
    tools.PrimaryTile = static_cast<std::int16_t>(tile);
    tools.PrimaryDirection = direction;
  }
  editor.ui.window->ShowCurrentTool(tool);
  EnableControlsForTool(editor, tool);
  EnableSizeBar(editor, tool, tile);
  ShowTurnedPreview(editor, secondary);
  RefreshViewControls(editor);
}

void ChooseBrushSize(Editor& editor, int size) {
  HideSelector(editor);
  SetBrushSize(editor, size);
  RefreshViewControls(editor);
}

void SetTileDirection(Editor& editor, int mode, bool secondary) {
  if (editor.tools.CurrentTool == kSelectorTool) {
    TurnCellUnderPointer(editor);
    return;
  }
  std::int16_t& direction = secondary ? editor.tools.SecondaryDirection : editor.tools.PrimaryDirection;
  if (direction == 0) return;
  constexpr int kQuarterSteps[] = {1, 1, -1, 2};
  const int step = mode >= 0 && mode < 4 ? kQuarterSteps[mode] : 0;
  direction = static_cast<std::int16_t>((direction - 1 + step + 4) % 4 + 1);
  ShowTurnedPreview(editor, secondary);
}

}  // namespace brolt::editor
