#pragma once
// The level's machinery: hatchers, exit portals, cannons, rock generators, doors, key holes and
// armored unids, and the animations that finish their motions.
namespace brolt {

struct Game;

// The rules of device cells at rest.
void UpdateHatcher(Game& game, int x, int y);
void OpenExitPortal(Game& game, int x, int y);
void UpdateCannon(Game& game, int x, int y);
void UpdateRockGenerator(Game& game, int x, int y);

// The marked wall follower in (x, y) moves up a cell and leaves a hatcher in its place.
void TurnIntoHatcher(Game& game, int x, int y);

// A faller in (x, y) whose next cell holds a rock generator sinks into it and is gone.
void EnterGenerator(Game& game, int x, int y);

// An armored unid, hit by a faller, cracks into a unid.
void StartUnidCrack(Game& game, int x, int y);

// A key hole vanishes under its key block.
void StartKeyHoleOpen(Game& game, int x, int y);

// A switch is thrown: every open door of the level closes and every closed one opens. True when a
// door started to swing; only then will the end of a swing let the switches work again.
bool ToggleDoors(Game& game);

// One frame of each device animation, and of the animations the Thresher and the creatures start
// that finish here (grab, crush, turn in place). n is the motion's AnimEnd rounded.
void AnimatePortalOpen(Game& game, int x, int y);
void AnimateGrab(Game& game, int x, int y, int n);
void AnimateTurn(Game& game, int x, int y);
void AnimateGeneratorSpawn(Game& game, int x, int y, int n);
void AnimateGeneratorEntry(Game& game, int x, int y, int n);
void AnimateCrack(Game& game, int x, int y);
void AnimateCrush(Game& game, int x, int y);
void AnimateDoorSwing(Game& game, int x, int y);
void AnimateCannonFire(Game& game, int x, int y);
void AnimateKeyHoleOpen(Game& game, int x, int y);

}  // namespace brolt
