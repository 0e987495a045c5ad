#pragma once
// What the tile palette's buttons do: pressing one chooses its tile for the current tool (the
// Selector gives way to the Brush), with the right button as the secondary tile; moving over one
// names the tile in the status bar.
#include "editor/model/editor.h"

namespace brolt::editor {

class TilePalette;

void ConnectTilePalette(Editor& editor, TilePalette& palette);

}  // namespace brolt::editor
