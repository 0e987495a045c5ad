#include "editor/model/commands/undo_redo.h"

#include "editor/model/canvas/canvas_redraw.h"

namespace brolt::editor {

namespace {

bool ShowState(Editor& editor, int slot) {
  editor.undo.UndoIndex = static_cast<std::int16_t>(slot);
  RedrawChangedCells(editor, slot);
  return true;
}

}  // namespace

bool Undo(Editor& editor) {
  const UndoRing& ring = editor.undo;
  if (ring.UndoIndex < 0 || ring.UndoIndex == ring.Oldest) return false;
  return ShowState(editor, (ring.UndoIndex + ring.UndoMax - 1) % ring.UndoMax);
}

bool Redo(Editor& editor) {
  const UndoRing& ring = editor.undo;
  if (ring.UndoIndex < 0 || ring.UndoIndex == ring.Newest) return false;
  return ShowState(editor, (ring.UndoIndex + 1) % ring.UndoMax);
}

}  // namespace brolt::editor
