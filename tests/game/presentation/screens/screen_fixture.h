#pragma once
// A game for the screens drawn over play and its pauses: a program folder with a definitions
// database and a Levels folder, the object definitions built, a fake clock, and every text, icon and
// screen call of a frame recorded.
#include <algorithm>
#include <string>
#include <vector>

#include "common/collection_file.h"
#include "game/core/files/definitions_fixture.h"
#include "game/core/level/object_defs.h"
#include "support/recording_drawing.h"
#include "support/recording_services.h"
#include "support/test_game.h"

namespace brolt::testing {

class ScreenFixture : public DefinitionsFixture {
 protected:
  ScreenFixture() {
    game.services.drawing = &drawing;
    game.services.screens = &screens;
    game.services.clock = &clock;
    game.services.random = &random;
    BuildObjectDefs(game);
    game.timing.FrameRateNow = 60;
  }

  // The texts of the recorded frame, in drawing order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const TextCall& call : drawing.texts) texts.push_back(call.text);
    return texts;
  }
  // The first recorded call that drew `text`, or nullptr.
  const TextCall* Drawn(const std::string& text) const {
    auto found = std::find_if(drawing.texts.begin(), drawing.texts.end(),
                              [&](const TextCall& call) { return call.text == text; });
    return found == drawing.texts.end() ? nullptr : &*found;
  }
  bool Shows(const std::string& text) const { return Drawn(text) != nullptr; }

  // A key as the keyboard poll leaves it in the frame it goes down.
  void Press(int key) {
    game.keys.KeyDown[static_cast<std::size_t>(key)] = 1;
    game.keys.KeyPressed[static_cast<std::size_t>(key)] = 1;
  }
  void ReleaseKeys() {
    game.keys.KeyDown.fill(0);
    game.keys.KeyPressed.fill(0);
  }
  // Whether the menu-move sound was queued since the last look.
  bool Moved() {
    SoundRequest& move = game.sounds.Entries[MENU_MOVE];
    const bool queued = move.Flag;
    ResetSoundRequest(move);
    return queued;
  }

  // Writes the records as a collection in the Levels folder and selects it.
  void SelectCollection(const std::string& name, const std::vector<std::string>& records) {
    WriteCollection(game.paths.LevelsPath / name, records);
    game.LevelList.Open(game.paths.LevelsPath, {".lvl", ".clvl"});
    game.LevelList.Select(name);
  }

  RecordingDrawing drawing;
  CallLog calls;
  RecordingScreens screens{calls};
  FakeClock clock;
  TestRandom random;
};

}  // namespace brolt::testing
