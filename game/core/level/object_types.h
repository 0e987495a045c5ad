#pragma once
// The object types of the live grid (0..99) and how the level files' tile codes map onto them.
#include <cstdint>

namespace brolt {

constexpr int kObjectTypeCount = 100;

enum ObjectType : std::int16_t {
  ObjEmpty = 0,
  ObjThresher = 1,
  ObjAraneaeA = 2,  // wall follower
  ObjAraneaeB = 3,  // wall follower; also what a hatcher hatches
  ObjAraneaeC = 4,  // wall follower with the other turn order
  ObjGnatA = 5,     // straight mover that turns when blocked
  ObjGnatB = 6,
  ObjGnatC = 7,     // heads for the Thresher
  ObjGoldUnidGnat = 8,  // carries a unid and counts as one
  ObjExitPortal = 9,    // open exit; only ever made from a closed one
  ObjWallA = 10,
  ObjWallB = 11,
  ObjWallC = 12,
  ObjWallD = 13,
  ObjWallE = 14,
  ObjWallF = 15,
  ObjWallG = 16,
  ObjWallH = 17,
  ObjInertTile = 19,  // decoration with an all-zero definition
  ObjRock = 20,
  ObjUnid = 21,
  ObjArmoredUnid = 22,
  ObjFallingExplosive = 23,
  ObjHatcher = 24,
  ObjBomb = 25,
  ObjClosedPortal = 29,
  ObjSpareFaller = 30,  // defined, but nothing creates it: code 30 is a force floor
  ObjCannon = 34,
  ObjRockGenerator = 39,
  ObjShapedWall = 40,   // a gate the Thresher can jump through; its piece follows its neighbours
  ObjShapedWallB = 44,  // only lends its look to code 44, which makes an ObjShapedWall
  ObjGrass = 45,
  ObjKeyHoleA = 50,
  ObjKeyHoleB = 51,
  ObjKeyHoleC = 52,
  ObjKeyBlockA = 53,
  ObjKeyBlockB = 54,
  ObjKeyBlockC = 55,
  ObjSwitch = 56,
  ObjSwitchB = 57,
  ObjDoorOpen = 58,
  ObjDoorClosed = 59,
  ObjBlast = 60,
  ObjCannonShot = 61,
  ObjThresherShot = 62,
  ObjBlastB = 63,  // the blast of the Thresher or a gold unid gnat
  ObjShotBlast = 64,
  ObjFreezePowerup = 70,
  ObjShieldPowerup = 71,
  ObjCheckpointPowerup = 72,
  ObjBombPowerup = 73,
  ObjShotPowerup = 74,
  ObjRockB = 95,  // explodes on landing and when shot
  ObjPushBlock = 96,
  ObjRockC = 97,   // indestructible, no shot target
  ObjRockUp = 98,  // falls and rolls upward
  ObjVacated = 99,  // stands in a cell an object is moving out of
};

// The object type a tile code builds. Several codes share a type (the cannon's four facings, the
// shaped walls, the inert tiles); unknown codes, and codes outside 0..99, build an empty cell.
ObjectType TileCodeType(int code);

}  // namespace brolt
