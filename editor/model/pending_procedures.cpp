#include "editor/model/pending_procedures.h"

#include <cmath>

namespace brolt::editor {

int PixelToTile(const Editor& editor, float pixel) {
  return static_cast<int>(std::floor(pixel / editor.view.TileSize));
}

float TileToPixel(const Editor& editor, int cell) { return static_cast<float>(cell) * editor.view.TileSize; }

float SnapToGrid(const Editor& editor, float pixel) {
  return TileToPixel(editor, PixelToTile(editor, pixel));
}

void RefreshViewControls(Editor&) {}

void EnterPasteModeMenus(Editor&) {}

void LeavePasteModeMenus(Editor&) {}

void RotateSelection(Editor&, int) {}

}  // namespace brolt::editor
