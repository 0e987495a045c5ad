#pragma once
// The main window shown offscreen on a levels folder of its own, with the synthetic tileset and
// catalogue, so that a test reaches the canvas and the panels through the window's own widgets.
#include <QPoint>

#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/canvas/undo_ring.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/ui/canvas/level_canvas.h"
#include "editor/ui/main_window/main_window.h"

namespace brolt::testing {

struct ShownMainWindow : LevelsFolderEditor {
  editor::TilesetPictures pictures = SyntheticTileset();
  editor::MainWindow window{editor, pictures};

  ShownMainWindow() {
    FillSyntheticCatalogue(editor.tiles);
    editor.ui.window = &window;
    editor.ui.canvas = &window.Canvas();
    editor.ui.dialogs = &dialogs;
    editor::ResetUndoRing(editor.undo, 10);
    window.TilesetLoaded();
    window.resize(800, 600);
    window.show();
  }

  // The middle of a level cell in the canvas viewport's own pixels, as the view shows it now.
  QPoint CellCentre(int x, int y) const {
    const int side = editor::CellPixels(editor.view);
    return {(x - editor.view.ViewX) * side + side / 2, (y - editor.view.ViewY) * side + side / 2};
  }
};

}  // namespace brolt::testing
