#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "game/core/state/game.h"
#include "game/presentation/sound/game_music.h"
#include "game/presentation/sound/level_music.h"
#include "game/presentation/sound/music_fades.h"
#include "game/presentation/sound/playlist.h"
#include "support/audio_game.h"

namespace brolt {
namespace {

using testing::AudioGame;
using testing::Recorded;
using testing::RecordingSoundBuffer;
using testing::WaveFormat;

class MusicTest : public ::testing::Test, public AudioGame {
 protected:
  // What a level start does.
  void StartLevel() {
    game.flags.LevelMusic = 1;
    music.AdvancePlaylist();
    music.PlayNextTrack();
    music.StartMusicTrack();
  }
  RecordingSoundBuffer& MenuBuffer() { return Recorded(game.audio.MenuMusicBuffer); }
  RecordingSoundBuffer& GameBuffer() { return Recorded(game.audio.GameMusicBuffer); }

  GameMusic music{game};
};

TEST_F(MusicTest, TheShuffleIsAPermutationOfTheTracks) {
  for (int tracks : {0, 1, 2, 5, 12}) {
    AudioGame other;
    for (int i = 0; i < tracks; ++i) other.AddMusicFiles({"track" + std::to_string(i) + ".mp3"});
    const int drawsBefore = other.test.random.Draws;
    InitPlaylist(other.game);
    EXPECT_EQ(other.game.audio.TrackCount, tracks - 1);
    EXPECT_EQ(other.test.random.Draws - drawsBefore, 101 * tracks);
    std::vector<std::int16_t> sorted = other.game.audio.Playlist;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::int16_t> every(static_cast<std::size_t>(tracks));
    std::iota(every.begin(), every.end(), std::int16_t{0});
    EXPECT_EQ(sorted, every);
    if (tracks == 12) {
      EXPECT_NE(other.game.audio.Playlist, every);
    }
  }
}

TEST_F(MusicTest, EachLevelStartTakesTheNextEntryFromTheSecond) {
  AddMusicFiles({"a.mp3", "b.mp3", "c.mp3"});
  InitPlaylist(game);
  std::vector<int> positions;
  for (int level = 0; level < 4; ++level) {
    AdvancePlaylist(game);
    positions.push_back(game.audio.PlaylistPosition);
  }
  EXPECT_EQ(positions, (std::vector<int>{1, 2, 0, 1}));

  AudioGame single;
  single.AddMusicFiles({"only.mix"});
  InitPlaylist(single.game);
  AdvancePlaylist(single.game);
  EXPECT_EQ(single.game.audio.PlaylistPosition, 0);
}

TEST_F(MusicTest, FadesReachTheMusicLevelIn250OverTheFrameRateFrames) {
  game.audio.MenuMusicBuffer = device.LoadSound("menu.mus");
  game.audio.GameMusicBuffer = device.LoadSound("menu.mus");
  MenuBuffer().volume = -5000;
  game.timing.FrameRateNow = 50;
  for (int frame = 1; frame <= 4; ++frame) music.FadeInMenuMusic();
  EXPECT_EQ(MenuBuffer().volume, -1000);
  EXPECT_EQ(GameBuffer().volume, -5000);
  music.FadeInMenuMusic();
  music.FadeInMenuMusic();
  EXPECT_EQ(MenuBuffer().volume, 0);

  game.flags.LevelMusic = 1;
  game.timing.FrameRateNow = 25;
  for (int frame = 1; frame <= 9; ++frame) music.FadeInGameMusic();
  EXPECT_EQ(GameBuffer().volume, -500);
  EXPECT_EQ(MenuBuffer().volume, -5000);
  music.FadeInGameMusic();
  EXPECT_EQ(GameBuffer().volume, 0);
}

TEST_F(MusicTest, TheFadeStepStopsGrowingAt320FramesASecondAndWaitsForTheCredits) {
  game.audio.MenuMusicBuffer = device.LoadSound("menu.mus");
  MenuBuffer().volume = kSilentVolume;  // where the credits leave it
  game.timing.FrameRateNow = 1000;
  game.flags.ShowingCredits = true;
  music.FadeInMenuMusic();
  EXPECT_EQ(MenuBuffer().volume, kSilentVolume);
  game.flags.ShowingCredits = false;
  music.FadeInMenuMusic();
  EXPECT_EQ(MenuBuffer().volume, -3600);
}

TEST_F(MusicTest, ALowerMusicLevelTakesEffectAtOnce) {
  game.audio.MenuMusicBuffer = device.LoadSound("menu.mus");
  game.audio.GameMusicBuffer = device.LoadSound("menu.mus");
  game.settings.MusicVolume = 40;
  ApplyMusicLevel(game);
  EXPECT_EQ(MenuBuffer().volume, -3000);
  EXPECT_EQ(GameBuffer().volume, 0);  // not the wanted music
  game.settings.MusicVolume = 0;
  game.timing.FrameRateNow = 60;
  music.FadeInMenuMusic();
  EXPECT_EQ(MenuBuffer().volume, -5000);
}

// 16-bit stereo frames that carry their own number on the left and its complement on the right,
// so that a frame cut in two shows in the samples played.
std::vector<std::uint8_t> NumberedFrames(std::uint32_t frames) {
  std::vector<std::uint8_t> samples;
  for (std::uint32_t i = 0; i < frames; ++i) {
    const auto left = static_cast<std::uint16_t>(i);
    const auto right = static_cast<std::uint16_t>(~i);
    for (std::uint16_t sample : {left, right}) {
      samples.push_back(static_cast<std::uint8_t>(sample & 0xFF));
      samples.push_back(static_cast<std::uint8_t>(sample >> 8));
    }
  }
  return samples;
}

TEST_F(MusicTest, AMixTrackPlaysWholeFramesOfItsCurrentSliceTwoOrFourTimes) {
  // Two seconds at 44100 frames a second: an eighth of a second is 5512.5 frames, 22050 bytes.
  device.pcm["song.mix"] = NumberedFrames(88200);
  device.formats["song.mix"] = WaveFormat{88200 * 4, 176400, 4};
  AddMusicFiles({"song.mix"});
  InitPlaylist(game);
  test.random.Script({0.99, 0.3});  // the last slice, played twice
  StartLevel();
  RecordingSoundBuffer& buffer = GameBuffer();
  EXPECT_EQ(game.audio.SegmentBytes, 5512 * 4);
  EXPECT_EQ(game.audio.SegmentCount, 8);
  EXPECT_EQ(buffer.positionsSet, (std::vector<std::uint32_t>{7 * 5512 * 4}));
  EXPECT_TRUE(buffer.playing);
  EXPECT_TRUE(buffer.looping);
  EXPECT_EQ(buffer.volume, -5000);

  std::set<std::int32_t> slicesHeard;
  int repeats = game.audio.RepeatsLeft;
  EXPECT_EQ(repeats, 2);
  int plays = 0;
  for (int frame = 0; frame < 2000; ++frame) {
    const std::size_t jumps = buffer.positionsSet.size();
    const int draws = test.random.Draws;
    // Now and then a slow frame that lets the cursor run more than a slice on.
    buffer.Advance(4 * static_cast<std::uint32_t>(frame % 97 == 0 ? 8000 : 300 + frame * 37 % 900));
    music.UpdateMusic();
    if (buffer.positionsSet.size() == jumps) continue;
    const std::uint32_t to = buffer.positionsSet.back();
    EXPECT_EQ(to % 4, 0u);
    EXPECT_GE(to, static_cast<std::uint32_t>(game.audio.SegmentStart));
    EXPECT_LT(to, static_cast<std::uint32_t>(game.audio.SegmentStart + game.audio.SegmentBytes));
    EXPECT_EQ(game.audio.SegmentStart % game.audio.SegmentBytes, 0);
    ++plays;
    if (test.random.Draws != draws) {  // a new slice was chosen
      EXPECT_EQ(plays, repeats);
      repeats = game.audio.RepeatsLeft;
      EXPECT_TRUE(repeats == 2 || repeats == 4) << repeats;
      plays = 0;
    }
    slicesHeard.insert(game.audio.SegmentStart);
  }
  EXPECT_GT(slicesHeard.size(), 4u);
  ASSERT_EQ(buffer.played.size() % 4, 0u);
  for (std::size_t i = 0; i < buffer.played.size(); i += 4) {
    const auto left = static_cast<std::uint16_t>(buffer.played[i] | buffer.played[i + 1] << 8);
    const auto right = static_cast<std::uint16_t>(buffer.played[i + 2] | buffer.played[i + 3] << 8);
    ASSERT_EQ(right, static_cast<std::uint16_t>(~left)) << "frame cut at byte " << i;
  }
}

TEST_F(MusicTest, ShortMixTracksHaveFewerSlicesAndAtLeastOne) {
  struct Case {
    WaveFormat format;
    std::int32_t sliceBytes;
    std::int16_t slices;
  };
  // 11025 stereo frames a second: 5512.5 bytes an eighth of a second, 1378 whole frames.
  for (const Case& c : {Case{{3 * 5512 + 400, 44100, 4}, 5512, 3}, Case{{1000, 22050, 1}, 2756, 1}}) {
    AudioGame other;
    other.AddMusicFiles({"short.mix"});
    other.device.formats["short.mix"] = c.format;
    InitPlaylist(other.game);
    other.test.random.Script({0.99});
    PlayNextTrack(other.game);
    EXPECT_EQ(other.game.audio.SegmentBytes, c.sliceBytes);
    EXPECT_EQ(other.game.audio.SegmentCount, c.slices);
    EXPECT_EQ(other.game.audio.SegmentStart, (c.slices - 1) * c.sliceBytes);
  }
}

TEST_F(MusicTest, AnMp3TrackSoundsAtTheMusicLevelAndStartsOverBeforeItsEnd) {
  AddMusicFiles({"tune.mp3"});
  InitPlaylist(game);
  game.settings.MusicVolume = 80;
  StartLevel();
  ASSERT_EQ(game.audio.MusicKind, MusicMp3);
  auto& track = Recorded(game.audio.MediaTrack);
  EXPECT_TRUE(track.running);
  EXPECT_EQ(track.volume, -1000);
  track.duration = 10;
  track.positionsSet = 0;
  for (int frame = 1; frame <= 19; ++frame) {
    track.position = frame * 0.5;
    music.UpdateMusic();
  }
  EXPECT_EQ(track.positionsSet, 0);
  track.position = 9.99;  // the next frame's step would pass the end
  music.UpdateMusic();
  EXPECT_EQ(track.position, 0.0);
  // A track whose length the decoder cannot tell is not held at its start.
  track.duration = 0;
  track.position = 0.5;
  music.UpdateMusic();
  EXPECT_EQ(track.position, 0.5);

  // Back in the menu it plays on, muted; after the graphics are reloaded it runs on.
  game.flags.LevelMusic = 0;
  game.timing.FrameRateNow = 60;
  music.FadeInMenuMusic();
  EXPECT_EQ(track.volume, -5000);
  EXPECT_TRUE(track.running);
  track.running = false;
  music.ResumeMusic();
  EXPECT_TRUE(track.running);
}

TEST_F(MusicTest, ALevelStartStopsTheOldTrackAndStartsTheNextMuted) {
  AddMusicFiles({"a.mp3", "b.mix"});
  InitPlaylist(game);
  ASSERT_EQ(game.audio.Playlist, (std::vector<std::int16_t>{1, 0}));
  StartLevel();
  auto& mp3 = Recorded(game.audio.MediaTrack);
  EXPECT_TRUE(mp3.running);
  StartLevel();
  EXPECT_FALSE(mp3.running);
  EXPECT_EQ(game.audio.MusicKind, MusicMix);
  EXPECT_TRUE(GameBuffer().playing);
  EXPECT_EQ(GameBuffer().volume, -5000);
}

TEST_F(MusicTest, UnreadableTracksArePassedOver) {
  AddMusicFiles({"a.mp3", "b.mix"});
  device.unreadable = {"a.mp3"};
  InitPlaylist(game);
  StartLevel();
  EXPECT_EQ(game.audio.MusicKind, MusicMix);
  EXPECT_EQ(game.MusicList.SelectedName(), "b.mix");

  // With nothing readable the last track stays stopped: neither the start nor the frames' music
  // update take it up again.
  device.unreadable = {"a.mp3", "b.mix"};
  StartLevel();
  EXPECT_EQ(game.audio.MusicKind, MusicNone);
  RecordingSoundBuffer& stale = GameBuffer();
  EXPECT_FALSE(stale.playing);
  stale.position = static_cast<std::uint32_t>(game.audio.SegmentStart + game.audio.SegmentBytes + 4);
  const std::vector<std::uint32_t> jumps = stale.positionsSet;
  music.UpdateMusic();
  EXPECT_EQ(stale.positionsSet, jumps);
  EXPECT_FALSE(stale.playing);
}

}  // namespace
}  // namespace brolt
