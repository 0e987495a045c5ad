#pragma once
// The tile count command: how many cells of the level hold each tile of the catalogue, one line
// per row of table Tileset, and the choice of the tile the main window's counter follows.
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {

// The column after which every count starts: names are padded with dots up to it.
constexpr int kTileCountNameColumns = 28;

struct TileCountLine {
  std::string Text;  // the name, dots and the count
  int TileCode = 0;
};

struct TileCountSummary {
  std::vector<TileCountLine> Lines;  // in table order
  int Selected = -1;                 // the line of the counted tile; -1 when there are no lines
};

// The tile counter dialog as the command drives it: shows the lines modally with the selected one
// marked; the dialog itself calls ChooseCountedTile and SetUsePrimaryForCounter.
class TileCountView {
 public:
  virtual ~TileCountView() = default;
  virtual void RunTileCount(const TileCountSummary& summary, bool usePrimaryForCounter) = 0;
};

// Counts the map, lists every tile of table Tileset, makes the counter follow the selected line's
// tile (the first line's when the counted tile has no row) and shows the dialog. A table that can't
// be read is reported instead, and nothing is shown.
void ShowTileCount(Editor& editor, TileCountView& dialog);

// The lines and the selected line, without showing anything. Counts every code 0..999; the line of
// the unid shows the unids, armoured unids and gold unid gnats together.
TileCountSummary CountTileTypes(Editor& editor);

// A name padded with dots to the count column (at least one dot while it fits), then the count.
std::string TileCountLineText(std::string_view name, int count);

// A line chosen in the dialog: the counter counts its tile from now on.
void ChooseCountedTile(Editor& editor, int tileCode);

// The dialog's box: the counter follows the primary tile when on. Saved to the database at once.
void SetUsePrimaryForCounter(Editor& editor, bool on);

}  // namespace brolt::editor
