#include "game/simulation/creature_directions.h"

#include <optional>

#include "game/core/level/grid_queries.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

struct Heading {
  int dx = 0;
  int dy = 0;
};

std::optional<Heading> Turned(Heading h, int turn) {
  switch (turn) {
    case TurnStraight: return h;
    case TurnClockwise: return Heading{h.dy, -h.dx};
    case TurnBack: return Heading{-h.dx, -h.dy};
    case TurnAnticlockwise: return Heading{-h.dy, h.dx};
    default: return std::nullopt;
  }
}

// The heading as TurnDirectionA reads it: the first component set, x before y.
std::optional<Heading> HeadingXFirst(const LevelCell& cell) {
  if (cell.DirX == -1 || cell.DirX == 1) return Heading{cell.DirX, 0};
  if (cell.DirY == -1 || cell.DirY == 1) return Heading{0, cell.DirY};
  return std::nullopt;
}

// The heading as TurnDirectionB and ProbeTurn read it: worked out for x, then again for y.
std::optional<Heading> HeadingYLast(const LevelCell& cell) {
  if (cell.DirY == -1 || cell.DirY == 1) return Heading{0, cell.DirY};
  if (cell.DirX == -1 || cell.DirX == 1) return Heading{cell.DirX, 0};
  return std::nullopt;
}

}  // namespace

void TurnDirectionA(Game& game, int x, int y, int turn) {
  LevelCell& cell = game.level.Grid(x, y);
  const std::optional<Heading> heading = HeadingXFirst(cell);
  if (!heading) return;
  const std::optional<Heading> to = Turned(*heading, turn);
  if (!to) return;
  cell.DirX = static_cast<std::int16_t>(to->dx);
  cell.DirY = static_cast<std::int16_t>(to->dy);
}

NeighbourInfo TurnDirectionB(const Game& game, int x, int y, int turn) {
  const std::optional<Heading> heading = HeadingYLast(game.level.Grid(x, y));
  if (!heading) return {};
  const std::optional<Heading> to = Turned(*heading, turn);
  if (!to) return {};
  NeighbourInfo info{0, x + to->dx, y + to->dy};
  const int type = game.level.Grid(info.X, info.Y).Type;
  info.Type = type == ObjVacated ? ObjEmpty : type;
  return info;
}

DiagonalProbe ProbeTurn(const Game& game, int x, int y, int turn) {
  const std::optional<Heading> heading = HeadingYLast(game.level.Grid(x, y));
  if (!heading) return {};
  const std::optional<Heading> to = Turned(*heading, turn);
  if (!to) return {};
  if (turn == TurnStraight || turn == TurnBack) return {GetCellKind(game, x + to->dx, y + to->dy), 0, 0};
  DiagonalProbe probe{0, heading->dx + to->dx, heading->dy + to->dy};
  probe.Kind = GetCellKind(game, x + probe.DX, y + probe.DY);
  return probe;
}

}  // namespace brolt
