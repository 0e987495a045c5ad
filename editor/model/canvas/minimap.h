#pragma once
// The minimap: one dot per cell at the centre of its 3 x 3 block, in the tile's palette colour.
#include <cstdint>

#include "editor/model/editor.h"

namespace brolt::editor {

constexpr int kMiniCellPixels = 3;

// Sets one cell's dot: in `colour` (0xBBGGRR) when the palette index is 0 and the colour is above
// 0, else in the palette's colour of that index. Cells outside the level have no dot.
void DrawMiniTile(Editor& editor, int x, int y, int paletteIndex, std::int32_t colour);

// Clears the minimap and sets the dot of every non-empty cell.
void DrawMiniLevel(Editor& editor);

}  // namespace brolt::editor
