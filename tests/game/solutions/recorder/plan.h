#pragma once
// A solution plan: what the Thresher does, written as moves separated by spaces.
//
//   R3 U2       walk three cells right, then two up (each move ends with him at rest)
//   wait30      thirty frames with no key down
//   settle      wait until nothing falls, rolls or burns any more
//   fire:R      left ctrl and an arrow for one frame; bomb: is left shift, grab: is space,
//   tap:L       and tap: the arrow alone (a switch, a push that should not move him)
//   hold:R40    an arrow held for forty frames, whatever happens
//   until:g@24,26  wait until cell (24, 26) shows 'g' (in the characters of the level maps, with
//               '.' for nothing, '~' a blast, '!' a shot): creatures and cannons keep no clock
//
// Text from ';' to the end of a line is a comment.
#include <string>
#include <vector>

#include "game/core/state/cell_grid.h"

namespace brolt::solutions {

struct Arrow {
  char letter = 'R';
  int dx = 1;
  int dy = 0;
  // SDL's name of the arrow's scan code.
  const char* key = "Right";
};

struct Move {
  enum class Kind { Walk, Wait, Settle, Fire, Bomb, Grab, Tap, Hold, Until };
  Kind kind = Kind::Wait;
  Arrow arrow;
  // Cells to walk, or frames to wait or hold.
  int count = 0;
  // What an until waits for: the cell and the character it is to show.
  GridPoint cell;
  char shows = '.';
  // The move as the plan writes it.
  std::string text;
};

// Throws std::runtime_error naming the move it cannot read.
std::vector<Move> ParsePlan(const std::string& text);

// The plan kept in a key script's "# plan:" lines, joined in order; empty when there is none.
std::string PlanFromKeyScript(const std::string& script);

}  // namespace brolt::solutions
