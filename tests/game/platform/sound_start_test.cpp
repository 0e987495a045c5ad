#include <gtest/gtest.h>

#include "game/core/state/game.h"
#include "game/platform/sdl_audio_device.h"
#include "game/presentation/sound/audio_start.h"
#include "game/presentation/sound/sound_effects.h"
#include "test_files.h"

namespace brolt {
namespace {

using test::Eventually;

TEST(SoundStart, TheEffectsLoadFromTheSoundFolderAndPlayOnTheDevice) {
  const testing::TempFolder folder;
  Game game;
  SeededRandom random;
  game.services.random = &random;
  game.paths.SoundPath = folder / "cash";
  game.paths.MusicPath = folder / "Music";
  std::filesystem::create_directories(game.paths.SoundPath);
  std::filesystem::create_directories(game.paths.MusicPath);
  for (int id = 1; id <= kSoundCount; ++id)
    test::WriteWave(game.paths.SoundPath / (std::string(SoundName(id)) + ".wav"), 22050, 0.05);
  test::WriteWave(game.paths.MusicPath / "menu.mus", 22050, 0.25);
  game.settings.SoundVolume = 100;
  game.settings.MusicVolume = 100;

  AudioStart audio = OpenAudio();
  ASSERT_TRUE(audio.error.empty()) << audio.error;
  game.services.audio = audio.device.get();
  InitAudio(game);
  EXPECT_TRUE(game.audio.Failure.empty());
  for (int id = 1; id <= kSoundCount; ++id)
    EXPECT_NE(game.audio.SoundBuffers[static_cast<std::size_t>(id)], nullptr) << SoundName(id);
  ASSERT_NE(game.audio.MenuMusicBuffer, nullptr);
  EXPECT_TRUE(game.audio.MenuMusicBuffer->IsPlaying());

  QueueSound(game.sounds, EXIT_OPEN, -1, -1, 0, 0);
  PlayQueuedSounds(game);
  SoundBuffer& exitOpen = *game.audio.SoundBuffers[EXIT_OPEN];
  EXPECT_TRUE(exitOpen.IsPlaying());
  EXPECT_FALSE(game.audio.SoundBuffers[EXIT_LEVEL]->IsPlaying());
  // Mixed to its end, it stops by itself.
  EXPECT_TRUE(Eventually([&] { return !exitOpen.IsPlaying(); }));
}

}  // namespace
}  // namespace brolt
