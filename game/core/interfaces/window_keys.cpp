#include "game/core/interfaces/window_keys.h"

#include "game/core/state/game.h"

namespace brolt {

namespace {

constexpr std::size_t kMaxNameLength = 5;

bool IsNameCharacter(int keyCode) { return keyCode == window_key::Space || (keyCode >= 48 && keyCode <= 90); }

}  // namespace

void Form_KeyDown(Game& game, int keyCode) {
  const GameFlags& flags = game.flags;
  // Keys typed while the help or the options cover the name entry are meant for those screens.
  if (flags.NameEntry && !HelpOrOptionsShown(flags)) {
    std::string& name = game.collection.PlayerName;
    if (IsNameCharacter(keyCode) && name.size() < kMaxNameLength) {
      name.push_back(static_cast<char>(keyCode));
      QueueSound(game, KEYBOARD_INPUT, -1, -1);
    } else if (keyCode == window_key::Backspace && !name.empty()) {
      name.pop_back();
      QueueSound(game, KEYBOARD_INPUT, -1, -1);
    }
  }
  if (flags.ExitOnKey) game.flags.QuitRequested = true;
}

void Form_KeyUp(Game& game, int) {
  game.player.PushFrames = 0;
  game.player.SwitchLatch = false;
}

}  // namespace brolt
