#include "game/core/state/sound_queue.h"

#include <gtest/gtest.h>

namespace brolt {
namespace {

TEST(QueueSound, TheNearestRequestOfAFrameDecidesInEitherOrder) {
  for (bool nearFirst : {false, true}) {
    SoundQueue queue;
    const int nearX = 13, farX = 17;  // the Thresher stands at (10, 10)
    QueueSound(queue, ROCK_ROLL, nearFirst ? nearX : farX, 10, 10.0f, 10.0f);
    QueueSound(queue, ROCK_ROLL, nearFirst ? farX : nearX, 10, 10.0f, 10.0f);
    const SoundRequest& entry = queue.Entries[ROCK_ROLL];
    EXPECT_TRUE(entry.Flag);
    EXPECT_EQ(entry.Distance, 3);
    EXPECT_EQ(entry.Pan, -300);
  }
}

TEST(QueueSound, OfEquallyNearRequestsTheLastWins) {
  SoundQueue queue;
  QueueSound(queue, UNID_HIT, 12, 10, 10.0f, 10.0f);
  QueueSound(queue, UNID_HIT, 8, 10, 10.0f, 10.0f);
  EXPECT_EQ(queue.Entries[UNID_HIT].Pan, 200);
}

TEST(QueueSound, ARequestWithoutAPlaceIsFullAndCentredUntilAnEquallyNearOne) {
  SoundQueue queue;
  QueueSound(queue, TIME_TICKING, -1, -1, 3.0f, 4.0f);
  EXPECT_EQ(queue.Entries[TIME_TICKING].Distance, 0);
  EXPECT_EQ(queue.Entries[TIME_TICKING].Pan, 0);
  QueueSound(queue, TIME_TICKING, 0, 0, 3.0f, 4.0f);  // 5 cells away: keeps the placeless request
  EXPECT_EQ(queue.Entries[TIME_TICKING].Distance, 0);
  QueueSound(queue, TIME_TICKING, 3, 4, 3.5f, 4.0f);  // distance rounds to 0 (half to even)
  EXPECT_EQ(queue.Entries[TIME_TICKING].Pan, 50);
}

TEST(QueueSound, DistancesRoundHalfToEvenAndUnknownIdsAreIgnored) {
  SoundQueue queue;
  QueueSound(queue, BOMB_EXPLODE, 0, 0, 2.5f, 0.0f);
  EXPECT_EQ(queue.Entries[BOMB_EXPLODE].Distance, 2);
  QueueSound(queue, 0, 0, 0, 0.0f, 0.0f);
  QueueSound(queue, 29, 0, 0, 0.0f, 0.0f);
  EXPECT_FALSE(queue.Entries[0].Flag);
  ResetSoundRequest(queue.Entries[BOMB_EXPLODE]);
  EXPECT_FALSE(queue.Entries[BOMB_EXPLODE].Flag);
  EXPECT_EQ(queue.Entries[BOMB_EXPLODE].Distance, kNoSoundDistance);
}

}  // namespace
}  // namespace brolt
