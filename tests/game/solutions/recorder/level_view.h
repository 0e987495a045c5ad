#pragma once
// The level as text, in the characters of the content's level maps, so that a plan's author can
// read what the Thresher sees: where he stands, the rocks, the creatures, the blasts.
#include <map>
#include <ostream>
#include <string>

#include "game/core/state/game.h"

namespace brolt::solutions {

class LevelView {
 public:
  // `legend` is the text of the content's legend ("c code [direction]" lines); the part of the
  // level shown is what lies inside its outer wall, taken from the level as loaded.
  LevelView(const Game& game, const std::string& legend);

  // The shown part, top row first, with the grid's x along the top and y down the left side.
  void Print(const Game& game, std::ostream& out) const;
  char CellChar(const Game& game, int x, int y) const;

 private:
  std::map<int, char> chars_;
  int left_ = 0;
  int right_ = 0;
  int bottom_ = 0;
  int top_ = 0;
};

}  // namespace brolt::solutions
