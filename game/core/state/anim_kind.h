#pragma once
// The values of a cell's AnimKind: which handler advances its running motion. The motion engine
// dispatches on them; the rule that starts a motion writes one. Any other value, 0 included, has no
// handler: the motion only counts its frames.
#include <cstdint>

namespace brolt {

enum AnimKindValue : std::int16_t {
  AnimNone = 0,
  AnimPortalOpen = -50,
  AnimGrab = -9,  // an object the Thresher takes, vanishing
  AnimArcBack = -6,
  AnimTurn = -5,
  AnimPushed = -2,
  AnimMove = -1,
  AnimFall = 1,
  AnimRollLeft = 2,
  AnimRollRight = 3,
  AnimArc = 6,
  AnimBlast = 10,
  AnimShotFlight = 11,
  AnimGeneratorSpawn = 20,
  AnimGeneratorEntry = 21,
  AnimCrack = 22,
  AnimCrush = 25,  // the Thresher being crushed
  AnimDoorSwing = 26,
  AnimCannonFire = 91,
  AnimKeyHoleOpen = 98,
  AnimVacate = 99,
  AnimFallUp = 1000,
  AnimRollLeftUp = 2000,
  AnimRollRightUp = 3000,
};

}  // namespace brolt
