#pragma once
// The one checkpoint of a running level: whether a snapshot exists and the words kept with it. The
// snapshot of the grid itself is LevelState::CheckpointGrid.
#include <cstdint>

namespace brolt {

struct CheckpointState {
  // A snapshot exists. Cleared when a level is started from the level list, never by a restart or
  // a load, so every restart of the level returns to the same snapshot.
  bool CheckpointSaved = false;
  // Frames for which the play screen still shows "saved". The heads-up display calls it
  // SavedMessageFrames and counts it down.
  std::int16_t SavedNoticeFrames = 0;

  // The level clock, the time limit and the holdings when the snapshot was taken.
  std::int16_t LevelMinutes = 0;
  std::int16_t LevelSeconds = 0;
  std::int32_t LevelMs = 0;
  std::int16_t TimeLeft = -1;
  std::int16_t UnidsNeeded = 0;
  std::int16_t FreezeTime = 0;
  std::int16_t ShieldTime = 0;
  std::int16_t Bombs = 0;
  std::int16_t Shots = 0;
};

}  // namespace brolt
