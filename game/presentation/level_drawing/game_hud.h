#pragma once
// The read-outs drawn over the level in every frame of play: the unids still needed, the clock, the
// time limit, the held power-ups, the checkpoint notice, and the failure lines of a level that can
// no longer be won.
namespace brolt {

struct Game;

// The play screen's overlays, after the level. Finding no exit portal left, or fewer unids left than
// needed, marks the first such reason for the failure lines, which then show.
void DrawGameHud(Game& game);

// The time limit's extras, while a limit runs: the open-exits notice, the gliding "Time Limit"
// label, "HURRY" in the last ten seconds and the sliding "+N" of a time bonus.
void DrawTimeLimitHud(Game& game);

// Why the level cannot be completed (death replaces the reason found first) and how to restart.
void DrawFailureMessage(Game& game);

}  // namespace brolt
