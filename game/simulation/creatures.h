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

// Queues the movement sound of the creature in (x, y); its motions call it as they go.
void PlayCreatureSound(Game& game, int x, int y);
// Queues the death sound of the creature in (x, y); an explosion calls it for every cell it visits.
void PlayCreatureDeathSound(Game& game, int x, int y);

}  // namespace brolt
