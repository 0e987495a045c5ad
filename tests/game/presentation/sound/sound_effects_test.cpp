#include "game/presentation/sound/sound_effects.h"

#include <gtest/gtest.h>

#include "game/core/state/game.h"
#include "support/audio_game.h"

namespace brolt {
namespace {

using testing::AudioGame;
using testing::Recorded;
using testing::RecordingSoundBuffer;

class SoundEffectsTest : public ::testing::Test, public AudioGame {
 protected:
  void SetUp() override { LoadSoundEffects(game); }

  RecordingSoundBuffer& Buffer(int id) { return Recorded(game.audio.SoundBuffers[static_cast<std::size_t>(id)]); }
  // A request heard by the Thresher at (playerX, playerY), played at the end of its frame.
  void PlayOne(int id, int x, int y, float playerX = 10, float playerY = 10) {
    QueueSound(game.sounds, id, x, y, playerX, playerY);
    PlayQueuedSounds(game);
  }
};

TEST_F(SoundEffectsTest, TwoRequestsInAFramePlayOnceAtTheNearerInEitherOrder) {
  for (bool nearFirst : {true, false}) {
    RecordingSoundBuffer& buffer = Buffer(ROCK_ROLL);
    buffer.plays = 0;
    QueueSound(game.sounds, ROCK_ROLL, nearFirst ? 13 : 17, 10, 10, 10);
    QueueSound(game.sounds, ROCK_ROLL, nearFirst ? 17 : 13, 10, 10, 10);
    PlayQueuedSounds(game);
    EXPECT_EQ(buffer.plays, 1);
    EXPECT_FALSE(buffer.looping);
    EXPECT_EQ(buffer.volume, -300);
    // To the right of the Thresher.
    EXPECT_EQ(buffer.pan, 300);
    EXPECT_FALSE(game.sounds.Entries[ROCK_ROLL].Flag);
    EXPECT_EQ(game.sounds.Entries[ROCK_ROLL].Distance, kNoSoundDistance);
  }
  PlayQueuedSounds(game);
  EXPECT_EQ(Buffer(ROCK_ROLL).plays, 1);
}

TEST_F(SoundEffectsTest, ARequestWithoutAPlacePlaysAtTheOptionLevelCentred) {
  game.settings.SoundVolume = 50;
  PlayOne(TIME_TICKING, -1, -1, 30, 2);
  EXPECT_EQ(Buffer(TIME_TICKING).volume, -2500);
  EXPECT_EQ(Buffer(TIME_TICKING).pan, 0);
  EXPECT_EQ(Buffer(TIME_TICKING).plays, 1);
}

TEST_F(SoundEffectsTest, VolumeFallsADecibelACellDownToMinusFiftyAndPanFollowsTheSide) {
  struct Case {
    std::int16_t option;
    int x;
    float playerX;
    int volume;
    int pan;
  };
  for (const Case& c : {Case{100, 10, 10, 0, 0}, Case{100, 4, 10, -600, -600}, Case{100, 0, 50, -5000, -5000},
                        Case{100, 0, 70, -5000, -7000}, Case{0, 10, 10, -5000, 0}, Case{50, 16, 10, -3100, 600}}) {
    game.settings.SoundVolume = c.option;
    PlayOne(GNAT_FLY, c.x, 0, c.playerX, 0);
    EXPECT_EQ(Buffer(GNAT_FLY).volume, c.volume) << c.x << " heard from " << c.playerX;
    EXPECT_EQ(Buffer(GNAT_FLY).pan, c.pan) << c.x << " heard from " << c.playerX;
  }
}

TEST_F(SoundEffectsTest, ExplosionsAreNeverQuieterThanTwentyCellsAway) {
  PlayOne(BOMB_EXPLODE, 50, 10, 10, 10);
  EXPECT_EQ(Buffer(BOMB_EXPLODE).volume, -2000);
  PlayOne(UNID_EXPLODE, 10, 50, 10, 10);
  EXPECT_EQ(Buffer(UNID_EXPLODE).volume, -2000);
  PlayOne(ROCK_HIT, 50, 10, 10, 10);
  EXPECT_EQ(Buffer(ROCK_HIT).volume, -4000);
}

TEST_F(SoundEffectsTest, ShortEffectsRestartAndLongerOnesGoOnWhereTheyAre) {
  Buffer(UNID_COLLECT).position = 800;
  Buffer(ROCK_PUSH).position = 800;
  PlayOne(UNID_COLLECT, 10, 10);
  PlayOne(ROCK_PUSH, 10, 10);
  EXPECT_EQ(Buffer(UNID_COLLECT).position, 0u);
  EXPECT_EQ(Buffer(ROCK_PUSH).position, 800u);
  EXPECT_TRUE(Buffer(ROCK_PUSH).positionsSet.empty());
}

TEST(SoundEffects, AnEffectThatDidNotLoadIsSilent) {
  AudioGame other;
  other.device.unreadable = {"GAME_OVER.wav"};
  LoadSoundEffects(other.game);
  EXPECT_EQ(other.game.audio.SoundBuffers[GAME_OVER], nullptr);
  QueueSound(other.game.sounds, GAME_OVER, -1, -1, 0, 0);
  QueueSound(other.game.sounds, EXIT_LEVEL, -1, -1, 0, 0);
  PlayQueuedSounds(other.game);
  EXPECT_FALSE(other.game.sounds.Entries[GAME_OVER].Flag);
  EXPECT_EQ(Recorded(other.game.audio.SoundBuffers[EXIT_LEVEL]).plays, 1);
}

}  // namespace
}  // namespace brolt
