#pragma once
// A fresh game for rule tests: its own random source (seeded, or scripted, and counting its
// draws), a fake clock, the object definitions built, and a private levels folder into which a test
// writes level records and from which it loads them through the real LoadLevel.
//
//   TestGame t;
//   t.LoadPicture({"#####",
//                  "#T.u#",
//                  "#####"});           // bottom-left character at grid cell (0, 0)
//   EXPECT_EQ(t.game.level.Grid(1, 1).Type, ObjThresher);
//
// Grid coordinates are the game's: x from the left, y from the bottom of the level (y grows up).
//
// Rules run frame by frame as the main loop runs them:
//
//   t.PlayPicture({"T.r"}, 60);       // loaded, 60 frames a second, the get-ready second over
//   t.RunFrames(12);                  // ticks, UpdateGame, sounds, level clock
//   EXPECT_EQ(t.TimesHeard(ROCK_PUSH), 1);
//   EXPECT_EQ(t.explosions.size(), 1u);  // every ExplodeAt, with its cell
#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "common/collection_file.h"
#include "common/level_record.h"
#include "common/random.h"
#include "game/core/interfaces/clock.h"
#include "game/core/level/cell_construction.h"
#include "game/core/level/level_clock.h"
#include "game/core/level/level_loading.h"
#include "game/core/state/game.h"
#include "game/simulation/play_update.h"

namespace brolt::testing {

// Returns the scripted values first, in order, then values of a seeded generator. Counts every draw.
class TestRandom : public Random {
 public:
  explicit TestRandom(std::uint64_t seed = 1) : seeded_(seed) {}

  void Script(std::vector<double> values) {
    script_ = std::move(values);
    next_ = 0;
  }
  double Rnd() override {
    ++Draws;
    if (next_ < script_.size()) return script_[next_++];
    return seeded_.Rnd();
  }

  int Draws = 0;

 private:
  SeededRandom seeded_;
  std::vector<double> script_;
  std::size_t next_ = 0;
};

// Time stands still unless a test moves it.
class FakeClock : public Clock {
 public:
  std::int64_t PerformanceCounter() override { return Counter; }
  std::int64_t PerformanceFrequency() override { return Frequency; }
  std::uint32_t TickCount() override { return Ticks; }
  int CurrentYear() override { return Year; }

  std::int64_t Counter = 0;
  std::int64_t Frequency = 1000000;
  std::uint32_t Ticks = 0;
  int Year = 2024;
};

// One tile placed in grid coordinates; direction 0 none, 1 up, 2 right, 3 down, 4 left.
struct TilePlacement {
  int x;
  int y;
  int tile;
  int direction = 0;
};

// A level record with a plain header: white first colour (so a load draws no random colours),
// no time limit, a light radius of 5 cells, and every cell empty.
inline LevelRecord PlainLevel() {
  LevelRecord level;
  level.title = "test level";
  level.colours = {RgbColour{255, 255, 255}, RgbColour{200, 100, 50}, RgbColour{50, 200, 100},
                   RgbColour{100, 50, 200}};
  level.lightRadius = 5;
  return level;
}

// Puts tiles into a record. The record's rows run from the top of the level: grid row y is file
// row 49 - y.
inline void PlaceTiles(LevelRecord& level, const std::vector<TilePlacement>& tiles) {
  for (const TilePlacement& tile : tiles)
    level.Cell(tile.x, kLevelRows - 1 - tile.y) = CellText{tile.tile, tile.direction};
}

// The characters of an ASCII picture and the tiles they stand for. A character missing from the
// legend is a mistake of the test and places nothing.
inline const std::map<char, CellText>& DefaultLegend() {
  static const std::map<char, CellText> legend = {
      {'.', {0, 0}},  {' ', {0, 0}},  {'T', {1, 0}},  {'A', {2, 0}},  {'B', {3, 0}},  {'C', {4, 0}},
      {'g', {5, 0}},  {'h', {6, 0}},  {'i', {7, 0}},  {'G', {8, 0}},  {'E', {9, 0}},  {'#', {10, 0}},
      {'r', {20, 0}}, {'u', {21, 0}}, {'a', {22, 0}}, {'x', {23, 0}}, {'H', {24, 0}}, {'b', {25, 0}},
      {'^', {30, 0}}, {'>', {31, 0}}, {'v', {32, 0}}, {'<', {33, 0}}, {'c', {34, 0}}, {'R', {39, 0}},
      {'w', {40, 0}}, {'W', {44, 0}}, {'%', {45, 0}}, {'k', {53, 0}}, {'K', {50, 0}}, {'s', {56, 0}},
      {'d', {59, 0}}, {'D', {58, 0}}, {'p', {96, 0}}, {'o', {95, 0}},
  };
  return legend;
}

// Puts an ASCII picture into a record: lines from top to bottom, the first character of the last
// line at grid cell (originX, originY).
inline void PlacePicture(LevelRecord& level, const std::vector<std::string>& picture, int originX = 0,
                         int originY = 0, const std::map<char, CellText>& legend = DefaultLegend()) {
  const int lines = static_cast<int>(picture.size());
  for (int line = 0; line < lines; ++line) {
    const int y = originY + (lines - 1 - line);
    for (int column = 0; column < static_cast<int>(picture[static_cast<std::size_t>(line)].size()); ++column) {
      auto found = legend.find(picture[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)]);
      if (found == legend.end()) continue;
      PlaceTiles(level, {{originX + column, y, found->second.tileCode, found->second.direction}});
    }
  }
}

// A grid cell.
struct CellPoint {
  int x;
  int y;
  bool operator==(const CellPoint&) const = default;
};

// A sound the end of a frame would have played.
struct HeardSound {
  int frame;  // from 1
  int id;
  std::int16_t distance;
  std::int16_t pan;
};

class TestGame {
 public:
  explicit TestGame(std::uint64_t seed = 1) : random(seed) {
    game.services.random = &random;
    game.services.clock = &clock;
    game.explosions.ExplodeWatcher = [this](int x, int y) { explosions.push_back({x, y}); };
    static int counter = 0;
    levels = std::filesystem::temp_directory_path() /
             ("brolt_test_" + std::to_string(std::random_device{}()) + "_" + std::to_string(++counter));
    std::filesystem::create_directories(levels);
    game.paths.LevelsPath = levels;
    BuildObjectDefs(game);
  }
  ~TestGame() {
    std::error_code ignored;
    std::filesystem::remove_all(levels, ignored);
  }
  TestGame(const TestGame&) = delete;
  TestGame& operator=(const TestGame&) = delete;

  // Writes the records as the collection `name` in the levels folder and selects it.
  void WriteCollection(const std::vector<std::string>& records, const std::string& name = "test.lvl") {
    brolt::WriteCollection(levels / name, records);
    game.LevelList.Open(levels, {".lvl", ".clvl"});
    game.LevelList.Select(name);
  }

  // Loads a raw record as level 1 of the selected collection.
  void LoadRecord(const std::string& record) {
    WriteCollection({record});
    LoadLevel(game, 1);
  }
  void Load(const LevelRecord& level) { LoadRecord(EncodeLevelRecord(level)); }
  void LoadTiles(const std::vector<TilePlacement>& tiles) {
    LevelRecord level = PlainLevel();
    PlaceTiles(level, tiles);
    Load(level);
  }
  void LoadPicture(const std::vector<std::string>& picture, int originX = 0, int originY = 0) {
    LevelRecord level = PlainLevel();
    PlacePicture(level, picture, originX, originY);
    Load(level);
  }

  // Puts a fresh cell of `type` at (x, y) and returns it for further setting.
  LevelCell& Put(int x, int y, int type) {
    game.level.Grid.Set(x, y, MakeCell(game, type));
    return game.level.Grid(x, y);
  }
  LevelCell& Cell(int x, int y) { return game.level.Grid(x, y); }

  // The average frame rate every speed is divided by.
  void SetFrameRate(int fps) {
    game.timing.FramesPerSecond = fps;
    game.timing.FrameRateNow = static_cast<std::int16_t>(fps);
  }
  // Ends the get-ready second: resting cells and the Thresher act from the next frame.
  void StartPlay() { game.timing.GetReadyCount = game.timing.GetReadyTarget; }
  // Loads a picture and makes it ready to play at `fps` frames a second.
  void PlayPicture(const std::vector<std::string>& picture, int fps = 60, int originX = 0, int originY = 0) {
    LoadPicture(picture, originX, originY);
    SetFrameRate(fps);
    StartPlay();
  }

  // One frame of play as the main loop runs it: the animation ticks advance, UpdateGame runs, the
  // queued sounds are heard and cleared, and the fake clock moves on by one frame's time, which
  // runs the level clock: a whole second sets SecondTick for the next update and counts the time
  // limit down.
  void PlayFrame() {
    FrameTiming& timing = game.timing;
    ++frame;
    AdvanceTicks(timing);
    UpdateGame(game);
    AdvanceLevelClock();
    HearSounds();
  }
  void RunFrames(int n) {
    for (int i = 0; i < n; ++i) PlayFrame();
  }
  // Plays frames until the next frame's update is the one that sees SecondTick.
  void RunToSecondTick() {
    do PlayFrame();
    while (!game.timing.SecondTick);
  }

  // The frames in which sound `id` was heard.
  int TimesHeard(int id) const {
    int times = 0;
    for (const HeardSound& sound : heard) times += sound.id == id ? 1 : 0;
    return times;
  }

  TestRandom random;
  FakeClock clock;
  Game game;
  std::filesystem::path levels;
  // Frames played so far.
  int frame = 0;
  std::vector<HeardSound> heard;
  // The centre cell of every explosion set off, in order.
  std::vector<CellPoint> explosions;

 private:
  // Milliseconds per frame, spread so that every second of frames is exactly 1000.
  void AdvanceLevelClock() {
    const std::int32_t fps = game.timing.FramesPerSecond;
    clock.Ticks += static_cast<std::uint32_t>(static_cast<std::int64_t>(frame) * 1000 / fps -
                                              static_cast<std::int64_t>(frame - 1) * 1000 / fps);
    brolt::AdvanceLevelClock(game);
  }

  void HearSounds() {
    for (int id = 1; id <= kSoundCount; ++id) {
      SoundRequest& request = game.sounds.Entries[static_cast<std::size_t>(id)];
      if (!request.Flag) continue;
      heard.push_back({frame, id, request.Distance, request.Pan});
      ResetSoundRequest(request);
    }
  }
};

}  // namespace brolt::testing
