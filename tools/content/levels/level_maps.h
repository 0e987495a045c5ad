#pragma once
// Levels kept as readable text maps, turned into level records and collections.
//
// A legend maps each map character to a tile code and a direction digit. A level file holds
// header lines ("title: ...", "colours: r,g,b r,g,b r,g,b r,g,b", "light: n", "time: n",
// "award: n", "cannon: n", "fill: c", "legend: c code [direction]"), then "map:" and up to 50
// lines of up to 50 characters, placed in the middle of the 50 x 50 level; cells outside the map
// hold the fill character. Lines starting with "--" are comments.
#include <map>
#include <string>
#include <vector>

#include "common/level_record.h"

namespace brolt::content {

using Legend = std::map<char, CellText>;

// Lines "c code [direction]"; throws std::runtime_error on a malformed line.
Legend ParseLegend(const std::string& text);

// Throws std::runtime_error naming `name` and the problem: an unknown character, a map too large,
// a missing title, a value outside its field.
LevelRecord ParseLevelMap(const std::string& text, const Legend& legend, const std::string& name);

// A collection described by a folder: "collection.txt" ("file: ...", "compiled: yes|no",
// "introduction: ...", "end: ...") and its level files (*.txt, in name order).
struct CollectionFile {
  std::string fileName;
  std::vector<std::string> records;  // slot 1 on, the tag record last for a compiled collection
};
CollectionFile BuildCollection(const std::string& folder, const Legend& legend);

// How many cells of the level hold `tileCode`.
int CountTiles(const LevelRecord& level, int tileCode);

}  // namespace brolt::content
