#pragma once
// What is left to win a level: the unids and the exit portals in the field, as UnidCount and
// PortalCount. No portal left, or fewer unids than needed, means the level can no longer be won.
namespace brolt {

struct Game;
struct LevelCell;
struct LevelState;

// Adds what `cell` counts for to level.UnidCount and level.PortalCount: a unid or an armoured unid,
// an exit portal open or closed, and one unid each for a gold unid gnat, a blast that turns into a
// unid and a blast still carrying a gnat's unid.
void CountCellGoals(const Game& game, const LevelCell& cell, LevelState& level);

// UnidCount and PortalCount counted afresh over the field as it stands, as the play update counts
// them. Every level start counts them, so that the overlays and Enter, which may read them before
// the level's first play update, never see the counts of another level or of none.
void CountGoals(Game& game);

}  // namespace brolt
