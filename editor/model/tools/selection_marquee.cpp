#include "editor/model/tools/selection_marquee.h"

#include "editor/model/canvas/pointer_cells.h"
#include "editor/model/tools/selection_marks.h"

namespace brolt::editor {

namespace {

bool SelectorDragging(const Editor& editor) {
  return editor.tools.CurrentTool == kSelectorTool && editor.input.MouseState == 1;
}

}  // namespace

void BeginMultiSelect(Editor& editor) {
  if (editor.tools.CurrentTool != kSelectorTool) return;
  StartDragAtPointer(editor);
  const CellPosition start = PointerCell(editor);
  editor.preview.Marquee = OneCellBox(start.x, start.y);
  editor.ui.canvas->RedrawOverlays();
}

void DragMultiSelect(Editor& editor) {
  if (!SelectorDragging(editor)) return;
  editor.preview.Marquee = DragBox(editor);
  editor.preview.BrushOutline.Visible = false;
  editor.ui.canvas->RedrawOverlays();
}

void EndMultiSelect(Editor& editor) {
  if (!SelectorDragging(editor)) return;
  if (!editor.input.ShiftAtPress) ClearSelection(editor, false);
  const CellBox& marquee = editor.preview.Marquee;
  if (marquee.Visible) {
    const bool select = editor.input.HeldKey != kCtrlKey;
    for (int x = 0; x < kLevelSize; ++x) {
      for (int y = 0; y < kLevelSize; ++y) {
        if (marquee.Contains(x, y)) editor.level.Cell(x, y).Selected = select;
      }
    }
  }
  ShowSelectionMarks(editor);
}

bool CancelMultiSelect(Editor& editor) {
  if (!editor.preview.Marquee.Visible || editor.input.MouseState != 2) return false;
  editor.preview.Marquee.Visible = false;
  editor.input.MouseState = 0;
  editor.ui.canvas->RedrawOverlays();
  return true;
}

}  // namespace brolt::editor
