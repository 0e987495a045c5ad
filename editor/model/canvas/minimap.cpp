#include "editor/model/canvas/minimap.h"

#include "editor/model/canvas/minimap_palette.h"

namespace brolt::editor {

namespace {

std::int32_t DotColour(int paletteIndex, std::int32_t colour) {
  return paletteIndex == 0 && colour > 0 ? colour : MiniPaletteColour(paletteIndex);
}

std::int32_t& Dot(Editor& editor, int x, int y) {
  return editor.view.MiniLevel[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

}  // namespace

void DrawMiniTile(Editor& editor, int x, int y, int paletteIndex, std::int32_t colour) {
  if (!IsLevelCell(x, y)) return;
  Dot(editor, x, y) = DotColour(paletteIndex, colour);
  editor.ui.canvas->RedrawMiniDot(x, y);
}

void DrawMiniLevel(Editor& editor) {
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      const int code = editor.level.Cell(x, y).TileCode;
      Dot(editor, x, y) = code == 0 ? 0 : DotColour(editor.tiles[code].Mini, 0);
    }
  }
  editor.ui.canvas->RedrawMiniLevel();
}

}  // namespace brolt::editor
