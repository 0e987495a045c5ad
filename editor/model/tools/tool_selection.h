#pragma once
// The current tool and the two current tiles, kept in step with the tool panel, the menus, the tile
// previews and the pointer.
#include "editor/model/editor.h"

namespace brolt::editor {

// Makes `tool` current and `tile` the primary tile, or the secondary one. Choosing another tile while
// placing the preview start returns to the brush; the preview start tool itself always places tile 1.
void SelectTool(Editor& editor, int tool, int tile, bool secondary);

// The size bar and the thickness menu: the brush or outline size `size`, the bar, the menu and the
// tool bar's thickness showing it at once.
void ChooseBrushSize(Editor& editor, int size);

// Turns the primary or secondary tile: modes 0 and 1 a quarter clockwise, 2 a quarter back, 3 a half
// turn. With the selector it turns the cell under the pointer instead, or the selection under it.
void SetTileDirection(Editor& editor, int mode, bool secondary);

}  // namespace brolt::editor
