#pragma once
// The game-state flags that the main loop tests in a fixed order each frame, and the words of the
// level being played.
#include <cstdint>
#include <string>

namespace brolt {

struct GameFlags {
  bool ShowingCredits = false;
  bool ShowingHelp = false;
  bool ShowingOptions = false;
  bool InMenu = false;
  bool ShowingTitle = false;
  bool GameEnd = false;
  bool NameEntry = false;
  bool Dead = false;
  bool QuitRequested = false;
  bool ExitOnKey = false;

  // Not empty in preview play: the collection named on the command line.
  std::string CommandLine;
  bool PreviewMusic = false;
  // Why the level cannot be completed: 0 none, -1 died, 1 no exit portal left, 2 unids destroyed.
  std::int32_t FailReason = 0;
  std::int16_t CurrentLevel = 1;
  // 0 while the menu music is to play, otherwise the level music. Also known as GameMusicOn.
  std::int16_t LevelMusic = 0;
};

// The help or the options are up: they cover whatever state lies beneath and pause it.
inline bool HelpOrOptionsShown(const GameFlags& flags) { return flags.ShowingHelp || flags.ShowingOptions; }

}  // namespace brolt
