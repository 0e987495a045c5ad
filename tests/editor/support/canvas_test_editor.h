#pragma once
// An editor wired to recording windows, with a small tile catalogue, zoom 20 and a fixed random
// source, for the tests of the canvas tools.
#include "editor/model/canvas/undo_ring.h"
#include "editor/model/editor.h"
#include "editor/support/recording_window.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::testing {

constexpr int kThresher = 1;  // unique, turns
constexpr int kWall = 2;
constexpr int kCannon = 12;  // turns
constexpr int kGrass = 45;
constexpr int kTestTileSize = 20;

struct CanvasTestEditor {
  editor::Editor editor;
  RecordingWindow window;
  RecordingCanvas canvas;
  ScriptedDialogs dialogs;

  CanvasTestEditor() {
    editor.ui.window = &window;
    editor.ui.canvas = &canvas;
    editor.ui.dialogs = &dialogs;
    editor.view.TileSize = kTestTileSize;
    editor.random.Seed(7);
    editor::ResetUndoRing(editor.undo, 50);
    editor.tiles.TileDefs[kThresher].Unique = true;
    editor.tiles.TileDefs[kThresher].Rotate = true;
    editor.tiles.TileDefs[kCannon].Rotate = true;
  }

  editor::MapCell& Cell(int x, int y) { return editor.level.Cell(x, y); }
  int Tile(int x, int y) const { return editor.level.Cell(x, y).TileCode; }

  // Puts the pointer inside cell (x, y), a few pixels from its corner.
  void PointAt(int x, int y) {
    editor.input.MouseX = static_cast<std::int16_t>(x * kTestTileSize + 5);
    editor.input.MouseY = static_cast<std::int16_t>(y * kTestTileSize + 5);
  }

  // Undo steps recorded so far (the ring holds more slots than any test records).
  int UndoSteps() const {
    int steps = 0;
    for (bool written : editor.undo.Written) steps += written ? 1 : 0;
    return steps;
  }

  int CountTile(int code) const {
    int count = 0;
    for (int x = 0; x < editor::kMapSize; ++x) {
      for (int y = 0; y < editor::kMapSize; ++y) count += editor.level.Map[x][y].TileCode == code ? 1 : 0;
    }
    return count;
  }

  void Select(int x, int y) { Cell(x, y).Selected = true; }
};

}  // namespace brolt::testing
