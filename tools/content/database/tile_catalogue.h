#pragma once
// The editor's tile catalogue as kept in data/tiles.txt: what each tile code is called, how the
// editor treats it and which picture of the game's sheets shows it in the editor's tileset picture.
#include <QColor>
#include <string>
#include <vector>

namespace brolt::content {

// The longest tile name: the tile count list lines its counts up after 28 columns of name and dots.
constexpr std::size_t kMaxTileDescription = 27;

struct TilePicture {
  enum class Kind { None, Hatch, Frame } kind = Kind::None;
  int texture = 0, column = 0, row = 0;
  int angle = 0;
  QColor tint = QColor(255, 255, 255);
};

struct TileRow {
  int code = 0;
  std::string description;
  bool unique = false, rotate = false, explosive = false;
  int minimapColour = 0;
  int x = 0, y = 0;  // 1-based column and row in the tileset picture, from the tile's place in the list
  TilePicture picture;
};

// Reads the catalogue; throws std::runtime_error naming the line of a malformed entry, a repeated
// code, a code outside 0..999 or more tiles than the picture holds.
std::vector<TileRow> ParseTileCatalogue(const std::string& text);

}  // namespace brolt::content
