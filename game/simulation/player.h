#pragma once
// The Thresher's rules.
namespace brolt {

struct Game;

// The Thresher's frame: walking, pushing, grabbing, shooting, bombing, leaving or dying. The play
// update runs it once per frame on his cell while he is alive and the level runs.
void UpdatePlayer(Game& game, int x, int y);

// Turns the Thresher's cell to face its DirX/DirY. Every move of a Thresher cell calls it first.
void SetFacingFromDirection(Game& game, int x, int y);

// One frame of the Thresher's random fidgeting while he has stood still for five seconds.
void UpdatePlayerIdle(Game& game, int x, int y);

}  // namespace brolt
