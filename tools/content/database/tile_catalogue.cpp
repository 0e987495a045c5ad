#include "tools/content/database/tile_catalogue.h"

#include <set>
#include <sstream>
#include <stdexcept>

#include "common/numeric.h"
#include "tools/content/pictures/draw_kit.h"

namespace brolt::content {

namespace {

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  std::string field;
  while (std::getline(stream, field, '|')) fields.push_back(TrimSpaces(field));
  return fields;
}

int WholeNumber(const std::string& text, int lineNumber) {
  std::size_t used = 0;
  int value = 0;
  try {
    value = std::stoi(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || text.empty()) {
    throw std::runtime_error("tiles.txt line " + std::to_string(lineNumber) + ": '" + text + "' is not a number");
  }
  return value;
}

TilePicture ParsePicture(const std::string& text, int lineNumber) {
  TilePicture picture;
  if (text == "none") return picture;
  if (text == "hatch") {
    picture.kind = TilePicture::Kind::Hatch;
    return picture;
  }
  std::stringstream stream(text);
  std::string texture, column, row, angle, tint;
  stream >> texture >> column >> row >> angle >> tint;
  picture.kind = TilePicture::Kind::Frame;
  picture.texture = WholeNumber(texture, lineNumber);
  picture.column = WholeNumber(column, lineNumber);
  picture.row = WholeNumber(row, lineNumber);
  if (!angle.empty()) picture.angle = WholeNumber(angle, lineNumber);
  if (!tint.empty()) {
    std::stringstream parts(tint);
    std::string r, g, b;
    std::getline(parts, r, ',');
    std::getline(parts, g, ',');
    std::getline(parts, b, ',');
    picture.tint = QColor(WholeNumber(r, lineNumber), WholeNumber(g, lineNumber), WholeNumber(b, lineNumber));
  }
  bool inSheet = picture.texture >= 1 && picture.texture <= 16 && picture.column >= 1 &&
                 picture.column <= kFramesPerSide && picture.row >= 1 && picture.row <= kFramesPerSide;
  if (!inSheet) throw std::runtime_error("tiles.txt line " + std::to_string(lineNumber) + ": no such picture");
  return picture;
}

}  // namespace

std::vector<TileRow> ParseTileCatalogue(const std::string& text) {
  std::vector<TileRow> tiles;
  std::set<int> codes;
  std::stringstream stream(text);
  std::string line;
  int lineNumber = 0;
  while (std::getline(stream, line)) {
    ++lineNumber;
    std::string trimmed = TrimSpaces(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    std::vector<std::string> fields = SplitFields(trimmed);
    if (fields.size() != 7) {
      throw std::runtime_error("tiles.txt line " + std::to_string(lineNumber) + ": expected 7 fields");
    }
    TileRow tile;
    tile.code = WholeNumber(fields[0], lineNumber);
    tile.description = fields[1];
    tile.unique = WholeNumber(fields[2], lineNumber) != 0;
    tile.rotate = WholeNumber(fields[3], lineNumber) != 0;
    tile.minimapColour = WholeNumber(fields[4], lineNumber);
    tile.explosive = WholeNumber(fields[5], lineNumber) != 0;
    tile.picture = ParsePicture(fields[6], lineNumber);
    if (tile.code < 0 || tile.code > 999 || !codes.insert(tile.code).second) {
      throw std::runtime_error("tiles.txt line " + std::to_string(lineNumber) + ": bad or repeated tile code");
    }
    if (tile.description.empty() || tile.description.size() > kMaxTileDescription) {
      throw std::runtime_error("tiles.txt line " + std::to_string(lineNumber) + ": a description of 1 to 27 characters");
    }
    if (tile.minimapColour < 0 || tile.minimapColour > 15) {
      throw std::runtime_error("tiles.txt line " + std::to_string(lineNumber) + ": minimap colour outside 0..15");
    }
    int index = static_cast<int>(tiles.size());
    tile.x = index % kFramesPerSide + 1;
    tile.y = index / kFramesPerSide + 1;
    tiles.push_back(tile);
  }
  if (tiles.size() > static_cast<std::size_t>(kFramesPerSide * kFramesPerSide)) {
    throw std::runtime_error("tiles.txt: more tiles than the tileset picture holds");
  }
  return tiles;
}

}  // namespace brolt::content
