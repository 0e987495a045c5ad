#include "editor/model/canvas/start_level.h"

namespace brolt::editor {

void NumberSelectionMarkers(LevelMap& map) {
  std::int16_t marker = 1;
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y)
      map[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)].MarkerIndex = marker++;
  }
}

void PrepareStartLevel(Editor& editor) {
  editor.level.LevelColor.fill("0,0,0");
  editor.level.LevelNumber = -1;
  StoreUndoState(editor.undo, editor.level.Map);
}

}  // namespace brolt::editor
