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

// A faller whose next cell in its falling direction is a rock generator starts sinking into it.
void EnterGenerator(Game& game, int x, int y);
// The armored unid in (x, y) starts cracking into a unid.
void StartUnidCrack(Game& game, int x, int y);

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
