#include "game/presentation/sound/audio_start.h"

#include <gtest/gtest.h>

#include "game/core/state/game.h"
#include "game/presentation/sound/game_music.h"
#include "support/audio_game.h"

namespace brolt {
namespace {

using testing::AudioGame;
using testing::Recorded;

// A level played to its end and back to the menu, with every music call the main loop makes.
void PlayALevelAndReturn(Game& game, Music& music) {
  game.timing.FrameRateNow = 60;
  music.FadeInMenuMusic();
  game.flags.LevelMusic = 1;
  music.AdvancePlaylist();
  music.PlayNextTrack();
  music.StartMusicTrack();
  for (int frame = 0; frame < 3; ++frame) {
    music.UpdateMusic();
    music.FadeInGameMusic();
    QueueSound(game.sounds, UNID_COLLECT, 3, 3, 4, 4);
    music.PlayQueuedSounds();
  }
  music.ResumeMusic();
  game.flags.LevelMusic = 0;
  music.RewindMenuMusic();
  music.FadeInMenuMusic();
}

TEST(InitAudio, LoadsTheEffectsAndBothMusicsAndStartsTheMenuMusic) {
  AudioGame t;
  t.AddMusicFiles({"one.mix", "two.MP3", "menu.mus", "notes.txt"});
  t.game.settings.MusicVolume = 90;
  InitAudio(t.game);
  EXPECT_TRUE(t.game.audio.Failure.empty());
  EXPECT_EQ(t.game.audio.TrackCount, 1);
  EXPECT_EQ(t.device.loaded.size(), 28u + 2u);
  EXPECT_EQ(t.device.loaded.back(), t.musicFolder / "menu.mus");
  auto& menu = Recorded(t.game.audio.MenuMusicBuffer);
  EXPECT_TRUE(menu.playing);
  EXPECT_TRUE(menu.looping);
  EXPECT_EQ(menu.volume, -500);
  EXPECT_FALSE(Recorded(t.game.audio.GameMusicBuffer).playing);

  menu.position = 1236;
  GameMusic music(t.game);
  music.RewindMenuMusic();
  EXPECT_EQ(menu.position, 0u);
}

TEST(InitAudio, PreviewPlayNeverStartsTheMenuMusic) {
  AudioGame t;
  t.game.flags.CommandLine = "previewplay.tmp";
  InitAudio(t.game);
  EXPECT_FALSE(Recorded(t.game.audio.MenuMusicBuffer).playing);
}

TEST(InitAudio, AnEmptyMusicFolderAndNoMenuMusicLeaveTheGameQuiet) {
  AudioGame t;
  t.device.unreadable = {"menu.mus"};
  GameMusic music(t.game);
  music.InitAudio();
  EXPECT_TRUE(t.game.audio.Failure.empty());
  EXPECT_EQ(t.game.audio.TrackCount, -1);
  EXPECT_EQ(t.game.audio.MenuMusicBuffer, nullptr);
  PlayALevelAndReturn(t.game, music);
  EXPECT_EQ(t.game.audio.MusicKind, MusicNone);
  EXPECT_EQ(Recorded(t.game.audio.SoundBuffers[UNID_COLLECT]).plays, 3);
}

TEST(InitAudio, WithoutASoundDeviceTheFailureIsRecordedAndTheGameGoesOnSilently) {
  AudioGame t;
  t.AddMusicFiles({"one.mix"});
  t.game.services.audio = nullptr;
  GameMusic music(t.game);
  music.InitAudio();
  EXPECT_EQ(t.game.audio.Failure, "Direct Sound Failed");
  PlayALevelAndReturn(t.game, music);
  EXPECT_EQ(t.game.audio.MusicKind, MusicNone);
  EXPECT_FALSE(t.game.sounds.Entries[UNID_COLLECT].Flag);
}

}  // namespace
}  // namespace brolt
