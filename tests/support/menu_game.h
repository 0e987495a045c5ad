#pragma once
// A test game for the title menu and the screens around it: recording drawing and device, a logging
// Music, the menu items set up, 60 frames a second, and collections written into the private
// levels folder.
//
//   MenuGame m;
//   m.WriteUncompiled("free.lvl", {"one", "two"});
//   m.WriteCompiled("tour.clvl", {{"first", '2'}, {"second", '1'}, {"third", '0'}}, "Welcome");
//   m.Choose("tour.clvl");
//   m.Frame({scan::Down});                 // Down fires in this frame only
//   EXPECT_EQ(m.sounds, std::vector<int>{MENU_MOVE});
#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "game/core/state/frame_timing.h"
#include "game/core/files/level_collection.h"
#include "game/presentation/menus/main_menu.h"
#include "support/recording_render_device.h"
#include "support/recording_drawing.h"
#include "support/recording_services.h"
#include "support/test_game.h"

namespace brolt::testing {

// A level of a compiled collection: its title and open state ('0' closed, '1' open, '2' solved).
struct CompiledLevel {
  CompiledLevel(std::string title, char openState, std::string bestTime = "00:00:00 ", std::string holder = "")
      : title(std::move(title)), openState(openState), bestTime(std::move(bestTime)), holder(std::move(holder)) {}
  std::string title;
  char openState;
  std::string bestTime;
  std::string holder;
};

class MenuGame {
 public:
  MenuGame() {
    game.services.drawing = &drawing;
    game.services.music = &music;
    test.SetFrameRate(60);
    InitMenuItems(game);
  }

  void WriteUncompiled(const std::string& name, const std::vector<std::string>& titles) {
    std::vector<std::string> records;
    for (const std::string& title : titles) {
      LevelRecord level = PlainLevel();
      level.title = title;
      records.push_back(EncodeLevelRecord(level));
    }
    Write(name, records);
  }

  // The levels, marked compiled in record 1, then the tag record with the introduction.
  void WriteCompiled(const std::string& name, const std::vector<CompiledLevel>& levels,
                     const std::string& introduction) {
    std::vector<std::string> records;
    for (const CompiledLevel& compiled : levels) {
      LevelRecord level = PlainLevel();
      level.title = compiled.title;
      level.openState = compiled.openState;
      level.bestTime = compiled.bestTime;
      level.bestTimeHolder = compiled.holder;
      if (records.empty()) level.compiledMarker = "zq";
      records.push_back(EncodeLevelRecord(level));
    }
    records.push_back(EncodeTagRecord(introduction, "The end"));
    Write(name, records);
  }

  // Makes a collection the current one, as start-up leaves it: level 1, its levels counted.
  void Choose(const std::string& name) {
    game.LevelList.Select(name);
    game.flags.CurrentLevel = 1;
    game.collection.LevelCount = CountCollectionLevels(game, "");
  }

  // One frame of the menu: the listed keys fire (down and pressed) and `held` keys are held from an
  // earlier frame; every other key is up. What the frame drew and queued is kept until the next.
  void Frame(std::initializer_list<int> firing = {}, std::initializer_list<int> held = {}) {
    game.keys.KeyDown.fill(0);
    game.keys.KeyPressed.fill(0);
    for (int key : held) game.keys.KeyDown[static_cast<std::size_t>(key)] = 2;
    for (int key : firing) {
      game.keys.KeyDown[static_cast<std::size_t>(key)] = 1;
      game.keys.KeyPressed[static_cast<std::size_t>(key)] = 1;
    }
    drawing.Clear();
    device.quads.clear();
    AdvanceTicks(game.timing);
    if (game.flags.InMenu) RunMainMenu(game, device);
    sounds.clear();
    for (int id = 1; id <= kSoundCount; ++id) {
      SoundRequest& request = game.sounds.Entries[static_cast<std::size_t>(id)];
      if (request.Flag) sounds.push_back(id);
      ResetSoundRequest(request);
    }
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) Frame();
  }

  // The text drawn this frame that reads `text`, or nullptr.
  const TextCall* Text(const std::string& text) const {
    auto found = std::find_if(drawing.texts.begin(), drawing.texts.end(),
                              [&](const TextCall& call) { return call.text == text; });
    return found == drawing.texts.end() ? nullptr : &*found;
  }
  // The text drawn this frame at height y and left edge x (x 0 for any), or nullptr.
  const TextCall* TextAt(std::int16_t y, std::int16_t x = 0) const {
    auto found = std::find_if(drawing.texts.begin(), drawing.texts.end(), [&](const TextCall& call) {
      return call.y == y && (x == 0 || call.x == x);
    });
    return found == drawing.texts.end() ? nullptr : &*found;
  }

  MenuPage& Page(int page) { return game.menu.MenuPages[static_cast<std::size_t>(page)]; }

  TestGame test;
  Game& game = test.game;
  RecordingDrawing drawing;
  RecordingRenderDevice device;
  CallLog log;
  RecordingMusic music{log};
  // The sounds queued in the last frame, by id.
  std::vector<int> sounds;

 private:
  void Write(const std::string& name, const std::vector<std::string>& records) {
    brolt::WriteCollection(test.levels / name, records);
    if (game.LevelList.Folder.empty()) game.LevelList.Open(test.levels, {".lvl", ".clvl"});
    else game.LevelList.Refresh();
  }
};

}  // namespace brolt::testing
