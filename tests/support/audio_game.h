#pragma once
// A test game with a recording sound device, an empty sound folder and an empty Music folder, both
// option levels at 100.
#include <fstream>
#include <initializer_list>
#include <string>

#include "support/recording_audio.h"
#include "support/temp_folder.h"
#include "support/test_game.h"

namespace brolt::testing {

class AudioGame {
 public:
  AudioGame() {
    game.services.audio = &device;
    game.paths.SoundPath = soundFolder.path();
    game.paths.MusicPath = musicFolder.path();
    game.settings.SoundVolume = 100;
    game.settings.MusicVolume = 100;
  }

  // Empty files in the Music folder, for the music list to find.
  void AddMusicFiles(std::initializer_list<std::string> names) {
    for (const std::string& name : names) std::ofstream(musicFolder / name).put('\0');
  }

  TestGame test;
  Game& game = test.game;
  RecordingAudioDevice device;
  TempFolder soundFolder;
  TempFolder musicFolder;
};

}  // namespace brolt::testing
