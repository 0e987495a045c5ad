#include "editor/model/tools/square_tool.h"

#include "editor/model/canvas/pointer_cells.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/tools/brush_painting.h"

namespace brolt::editor {

namespace {

bool IsSquareTool(int tool) { return tool == kRectangleTool || tool == kFilledRectangleTool; }

bool SquareDragging(const Editor& editor) {
  return IsSquareTool(editor.tools.CurrentTool) && editor.selection.ToolDragActive;
}

// The interior an outline `thickness` cells thick leaves; hidden when the border covers it all.
CellBox InnerBox(const CellBox& outline, int thickness) {
  CellBox inner{static_cast<std::int16_t>(outline.Left + thickness), static_cast<std::int16_t>(outline.Top + thickness),
                static_cast<std::int16_t>(outline.Right - thickness),
                static_cast<std::int16_t>(outline.Bottom - thickness), false};
  inner.Visible = inner.Left <= inner.Right && inner.Top <= inner.Bottom;
  return inner;
}

void HideSquareOutlines(Editor& editor) {
  editor.preview.SquareOutline.Visible = false;
  editor.preview.SquareInner.Visible = false;
  editor.ui.canvas->RedrawOverlays();
}

}  // namespace

void BeginSquareTool(Editor& editor) {
  if (!IsSquareTool(editor.tools.CurrentTool)) return;
  editor.selection.ToolDragActive = true;
  StartDragAtPointer(editor);
  const CellPosition start = PointerCell(editor);
  editor.preview.SquareOutline = OneCellBox(start.x, start.y);
  editor.preview.SquareInner.Visible = false;
  editor.ui.canvas->RedrawOverlays();
}

void DragSquareTool(Editor& editor) {
  if (!SquareDragging(editor)) return;
  editor.preview.SquareOutline = DragBox(editor);
  if (editor.tools.CurrentTool == kRectangleTool) {
    editor.preview.SquareInner = InnerBox(editor.preview.SquareOutline, editor.tools.BrushSize);
  }
  editor.ui.canvas->RedrawOverlays();
}

void ApplySquareTool(Editor& editor, bool secondary) {
  if (!SquareDragging(editor)) return;
  const int code = ButtonTile(editor.tools, secondary).code;
  const CellBox outline = editor.preview.SquareOutline;
  const CellBox inner = InnerBox(outline, editor.tools.BrushSize);
  const bool filled = editor.tools.CurrentTool == kFilledRectangleTool;
  for (int x = outline.Left; x <= outline.Right; ++x) {
    for (int y = outline.Top; y <= outline.Bottom; ++y) {
      const bool covered = filled || !inner.Contains(x, y);
      if (covered && MayPaintOver(editor, x, y, code)) PlaceTile(editor, x, y, true, secondary);
    }
  }
  RecordUndo(editor);
  HideSquareOutlines(editor);
}

bool ResetSquareTool(Editor& editor) {
  if (!editor.preview.SquareOutline.Visible || !editor.selection.ToolDragActive ||
      editor.tools.CurrentTool == kBrushTool) {
    return false;
  }
  editor.selection.ToolDragActive = false;
  HideSquareOutlines(editor);
  editor.input.MouseState = -2;
  return true;
}

}  // namespace brolt::editor
