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

// A switch is thrown: every open door closes and every closed door opens.
void ToggleDoors(Game& game);
// A key block reaches the key hole of its colour in (x, y): the hole starts vanishing.
void StartKeyHoleOpen(Game& game, int x, int y);

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
