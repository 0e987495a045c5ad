#include "editor/model/window/canvas_mouse.h"

#include "common/numeric.h"
#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/pointer_cells.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/commands/level_conversion.h"
#include "editor/model/tools/brush_painting.h"
#include "editor/model/tools/flood_fill.h"
#include "editor/model/tools/line_tool.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/selection_commands.h"
#include "editor/model/tools/selection_marks.h"
#include "editor/model/tools/selection_marquee.h"
#include "editor/model/tools/square_tool.h"
#include "editor/model/tools/tool_selection.h"
#include "editor/model/window/brush_outline.h"
#include "editor/model/window/hide_selector.h"
#include "editor/model/window/status_bar.h"
#include "editor/model/window/status_text.h"

namespace brolt::editor {

namespace {

// The cell the event itself falls in, before the position is held to the view.
CellPosition EventCell(const Editor& editor, float x, float y) {
  return {PixelToTile(editor.view, x), PixelToTile(editor.view, y)};
}

void TakePointer(Editor& editor, float x, float y) {
  editor.input.MouseX = RoundToInt16(x);
  editor.input.MouseY = RoundToInt16(y);
  SetBoundries(editor);
}

std::int32_t BorderColourValue(const Editor& editor) {
  const RgbColour colour = ColorTextToRgb(editor.prefs.BorderColor);
  return colour.red | (colour.green << 8) | (colour.blue << 16);
}

// A mode's hint replaces the tile description while the mode lasts.
void ShowModeHint(Editor& editor, const char* hint) {
  UpdateStatusBar(editor);
  ShowStatusText(editor, hint, 0, true, false, BorderColourValue(editor));
}

// With S held the pressed or passed cell's tile becomes the button's tile.
void PickTileUnderPointer(Editor& editor, bool secondary) {
  const CellPosition pointer = PointerCell(editor);
  if (!IsLevelCell(pointer.x, pointer.y)) return;
  editor.preview.PickOutline = OneCellBox(pointer.x, pointer.y);
  editor.ui.canvas->RedrawOverlays();
  SelectTool(editor, editor.tools.CurrentTool, editor.level.Cell(pointer.x, pointer.y).TileCode, secondary);
}

void HidePickOutline(Editor& editor) {
  if (!editor.preview.PickOutline.Visible) return;
  editor.preview.PickOutline.Visible = false;
  editor.ui.canvas->RedrawOverlays();
}

// The preview start marker only marks a cell: the map and the undo history stay as they are.
void PlaceStartMarker(Editor& editor) {
  const CellPosition pointer = PointerCell(editor);
  LevelState& level = editor.level;
  if (!IsLevelCell(pointer.x, pointer.y)) return;
  if (level.StartMarkerPlaced) editor.ui.canvas->RedrawCell(level.StartMarkerX, level.StartMarkerY);
  level.StartMarkerPlaced = true;
  level.StartMarkerX = static_cast<std::int16_t>(pointer.x);
  level.StartMarkerY = static_cast<std::int16_t>(pointer.y);
  editor.ui.canvas->RedrawCell(pointer.x, pointer.y);
  editor.ui.canvas->RedrawMiniLevel();
}

void FillAtPress(Editor& editor, CellPosition cell, bool secondary) {
  if (IsUniqueTile(editor, editor.tools.PrimaryTile)) {
    PlaceTile(editor, cell.x, cell.y, true, false);
  } else {
    FillArea(editor, secondary, false);
  }
  editor.input.StrokeOpen = true;
}

// A second press during a line, rectangle or marquee drag cancels that drag and nothing more.
bool CancelsADrag(Editor& editor) {
  return CancelLineDrag(editor) || ResetSquareTool(editor) || CancelMultiSelect(editor);
}

void RightPressWithSelector(Editor& editor, CellPosition cell) {
  if (editor.level.Cell(cell.x, cell.y).Selected) {
    editor.ui.window->PopUpEditMenu();
  } else {
    SetTileDirection(editor, 0, false);
  }
}

void StartToolAtPress(Editor& editor, CellPosition cell, int shift, bool secondary) {
  const int tool = editor.tools.CurrentTool;
  if (shift == 0) ClearSelection(editor, false);
  if (tool == kBrushTool) {
    const CellPosition pointer = PointerCell(editor);
    PlaceTile(editor, pointer.x, pointer.y, false, secondary);
    editor.input.StrokeOpen = true;
  } else if (editor.preview.BrushOutline.Visible) {
    editor.preview.BrushOutline.Visible = false;
    editor.ui.canvas->RedrawOverlays();
  }
  if ((tool == kRectangleTool || tool == kFilledRectangleTool) && IsUniqueTile(editor, editor.tools.PrimaryTile)) {
    PlaceTile(editor, cell.x, cell.y, true, false);
    RecordUndo(editor);
    return;
  }
  BeginMultiSelect(editor);
  BeginSquareTool(editor);
  BeginLineTool(editor);
}

void HideBoxOutlines(Editor& editor) {
  CanvasPreview& preview = editor.preview;
  if (!preview.SquareOutline.Visible && !preview.SquareInner.Visible) return;
  preview.SquareOutline.Visible = false;
  preview.SquareInner.Visible = false;
  editor.ui.canvas->RedrawOverlays();
}

}  // namespace

void Level_MouseDown(Editor& editor, int button, int shift, float x, float y) {
  InputState& input = editor.input;
  input.MouseIsDown = true;
  const CellPosition cell = EventCell(editor, x, y);
  if (!IsLevelCell(cell.x, cell.y)) return;
  const bool secondary = button == kRightButton;
  if (editor.clipboard.PasteMode) {
    // The clipboard lands where the last move put the preview, not at this press.
    if (button == kLeftButton) {
      PlaceClipboard(editor);
    } else {
      CancelPasteMode(editor);
    }
    return;
  }
  input.MouseState = static_cast<std::int16_t>(button);
  input.ShiftAtPress = shift != 0;
  TakePointer(editor, x, y);
  if (input.HeldKey == kPickKey) {
    PickTileUnderPointer(editor, secondary);
    MoveBrush(editor);
    return;
  }
  const int tool = editor.tools.CurrentTool;
  if (tool == kFillTool) {
    FillAtPress(editor, cell, secondary);
    return;
  }
  if (CancelsADrag(editor)) return;
  if (tool == kSelectorTool && secondary) {
    RightPressWithSelector(editor, cell);
    return;
  }
  if (tool == kPreviewStartTool) {
    PlaceStartMarker(editor);
    return;
  }
  StartToolAtPress(editor, cell, shift, secondary);
}

void Level_MouseMove(Editor& editor, int button, int, float x, float y) {
  if (editor.ui.window->HelpOrSplashShown()) {
    SetMousePointer(editor, kNoDropPointer);
    return;
  }
  TakePointer(editor, x, y);
  const InputState& input = editor.input;
  const bool secondary = button == kRightButton;
  if (editor.clipboard.PasteMode) {
    SetMousePointer(editor, kSizeAllPointer);
    editor.preview.PasteTipShown = true;
    editor.ui.canvas->PasteTipChanged();
    const CellPosition cell = EventCell(editor, x, y);
    if (cell.x != editor.clipboard.PasteCellX || cell.y != editor.clipboard.PasteCellY) {
      ShowModeHint(editor, kPasteModeHint);
      DragPastePreview(editor);
    }
    return;
  }
  SetToolPointer(editor);
  if (button != 0 && input.HeldKey == kPickKey) {
    PickTileUnderPointer(editor, secondary);
    return;
  }
  if (editor.selection.ToolDragActive) {
    DragSquareTool(editor);
    DragLineTool(editor);
  }
  DragMultiSelect(editor);
  MoveBrush(editor);
  const int tool = editor.tools.CurrentTool;
  if (tool != kSelectorTool && input.MouseIsDown) SetMousePointer(editor, kCrossPointer);
  const CellPosition pointer = PointerCell(editor);
  // One paint per cell entered, however many moves arrive inside it.
  if (tool == kBrushTool && input.MouseIsDown && (pointer.x != input.LastPaintX || pointer.y != input.LastPaintY)) {
    PlaceTile(editor, pointer.x, pointer.y, false, secondary);
  }
  if (tool == kSelectorTool || tool == kPreviewStartTool) HideBoxOutlines(editor);
  if (input.HeldKey == kSpaceKey) {
    ShowModeHint(editor, kEraseModeHint);
    return;
  }
  if (input.HeldKey == kPickKey) {
    ShowModeHint(editor, kPickModeHint);
    return;
  }
  UpdateStatusBar(editor);
  if (button > 0 && tool == kPreviewStartTool) PlaceStartMarker(editor);
}

void Level_MouseUp(Editor& editor, int button, int, float, float) {
  InputState& input = editor.input;
  input.MouseIsDown = false;
  HidePickOutline(editor);
  if (editor.clipboard.PasteMode) return;
  const int tool = editor.tools.CurrentTool;
  const bool secondary = button == kRightButton;
  if (input.StrokeOpen && (tool == kBrushTool || tool == kFillTool)) RecordUndo(editor);
  input.StrokeOpen = false;
  if (tool == kSelectorTool) {
    if (secondary) editor.preview.BrushOutline.Visible = false;
    EndMultiSelect(editor);
    editor.preview.Marquee.Visible = false;
    editor.ui.canvas->RedrawOverlays();
  }
  ApplySquareTool(editor, secondary);
  ApplyLineTool(editor, secondary);
  if (input.MouseState == kLeftButton || input.MouseState == kRightButton) {
    input.MouseState = static_cast<std::int16_t>(-input.MouseState);
  }
  editor.selection.ToolDragActive = false;
  input.ShiftAtPress = false;
}

void Level_DblClick(Editor& editor) {
  if (editor.tools.CurrentTool == kSelectorTool && editor.input.MouseState != -kRightButton) SelectTilesLikeCell(editor);
}

void LevelBack_MouseMove(Editor& editor) { HideSelector(editor); }

bool IsOverStartMarker(const Editor& editor, float x, float y) {
  const CellPosition cell = EventCell(editor, x, y);
  return editor.level.StartMarkerOn(cell.x, cell.y);
}

void preStart_MouseMove(Editor& editor) {
  HideSelector(editor);
  ShowStatusText(editor, kStartMarkerTip, 0, true, false, kStatusWhite);
}

void preStart_DblClick(Editor& editor) {
  LevelState& level = editor.level;
  level.StartMarkerPlaced = false;
  editor.ui.canvas->RedrawCell(level.StartMarkerX, level.StartMarkerY);
  editor.ui.canvas->RedrawMiniLevel();
}

}  // namespace brolt::editor
