#pragma once
// Procedures the tools call that belong to the view and to the level commands. Each has its final
// name and signature here; the view's conversions and the commands' bodies complete them later.
#include "editor/model/editor.h"

namespace brolt::editor {

// The cell holding a canvas pixel: the whole part of pixel / TileSize.
int PixelToTile(const Editor& editor, float pixel);
// A cell's left or top edge in canvas pixels.
float TileToPixel(const Editor& editor, int cell);
// The edge of the cell holding a canvas pixel.
float SnapToGrid(const Editor& editor, float pixel);

// Lays out the scroll ranges and tool panels for the current tool; completed with the view.
void RefreshViewControls(Editor& editor);

// Swap the menus for the single "Exit Paste Mode" item and back; completed with the commands.
void EnterPasteModeMenus(Editor& editor);
void LeavePasteModeMenus(Editor& editor);

// Turns the selected cells; completed with the commands.
void RotateSelection(Editor& editor, int mode);

}  // namespace brolt::editor
