#include "editor/model/canvas/undo_recording.h"

namespace brolt::editor {

void RecordUndo(Editor& editor) {
  CountTiles(editor);
  editor.level.LevelSaved = false;
  StoreUndoState(editor.undo, editor.level.Map);
}

int CountTiles(Editor& editor) {
  const int counted = editor.tools.CounterTile;
  const bool unids = counted == kUnidTile;
  int count = 0;
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      const int code = editor.level.Cell(x, y).TileCode;
      if (code == counted || (unids && (code == 8 || code == 22))) ++count;
    }
  }
  editor.ui.window->ShowTileCounter(counted, count);
  return count;
}

void SetCounterTile(Editor& editor, int tile) {
  editor.tools.CounterTile = static_cast<std::int16_t>(tile);
  CountTiles(editor);
}

}  // namespace brolt::editor
