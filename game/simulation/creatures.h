#pragma once
// The creatures: three wall followers (araneae) and three gnats.
namespace brolt {

struct Game;

// One update of the creature at rest in (x, y). UpdateGnatC also runs the gold unid gnat.
void UpdateAraneaeA(Game& game, int x, int y);
void UpdateAraneaeB(Game& game, int x, int y);
void UpdateAraneaeC(Game& game, int x, int y);
void UpdateGnatA(Game& game, int x, int y);
void UpdateGnatB(Game& game, int x, int y);
void UpdateGnatC(Game& game, int x, int y);

// The wall follower in (x, y) checks what holds it: a marked one on a floor with room above lays a
// hatcher, one that lost its wall and has nothing below falls, and ObjAraneaeC stops above a
// Thresher it sees below it. True when it must not start a walk in this update. Every call counts
// a marked follower's Countdown down by one.
bool CheckCrawlerContact(Game& game, int x, int y);

// Starts the creature's quarter turn in place (AnimTurn): sense 1 clockwise, -1 anticlockwise,
// lasting FramesPerSecond / (Speed / divisor) frames, each division rounded.
void SetMoving(Game& game, int x, int y, int sense, int divisor);

// Queue the movement sound and the death sound of the creature in (x, y); nothing for other types.
void PlayCreatureSound(Game& game, int x, int y);
void PlayCreatureDeathSound(Game& game, int x, int y);

}  // namespace brolt
