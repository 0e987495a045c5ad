#pragma once
// A busy level for the frame benchmarks: creatures, rocks over open ground, bombs, a cannon and
// force floors spread over the whole grid, with the Thresher in the middle.
#include <string>
#include <vector>

#include "support/drawing_game.h"

namespace brolt::bench {

inline std::vector<std::string> BusyPicture() {
  const std::vector<std::string> block = {
      "#..r..g..r.#",
      "#.r.A..u.b.#",
      "#..c>..r..B#",
      "#.u..h..r..#",
      "#....i..x..#",
      "############"};
  std::vector<std::string> picture;
  for (int band = 0; band < 8; ++band)
    for (const std::string& line : block) {
      std::string row;
      for (int copy = 0; copy < 4; ++copy) row += line;
      picture.push_back(row);
    }
  picture[24][24] = 'T';
  return picture;
}

// Loads the busy level and lets it run for a second so that things are moving.
inline void LoadBusyLevel(testing::TestGame& test) {
  test.LoadPicture(BusyPicture());
  test.game.timing.FramesPerSecond = 60;
  test.game.timing.GetReadyCount = test.game.timing.GetReadyTarget;
  test.RunFrames(60);
}

}  // namespace brolt::bench
