#include "game/solutions/recorder/level_view.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "game/core/level/object_types.h"
#include "game/core/state/world_geometry.h"

namespace brolt::solutions {

namespace {

// Tile codes of the force floors pushing up, right, down and left.
constexpr int kForceFloorCodes[] = {30, 31, 32, 33};

int ForceFloorCode(const FloorCell& floor) {
  if (floor.DirY == 1) return kForceFloorCodes[0];
  if (floor.DirX == 1) return kForceFloorCodes[1];
  if (floor.DirY == -1) return kForceFloorCodes[2];
  return kForceFloorCodes[3];
}

bool IsPlainWall(const Game& game, int x, int y) {
  return game.level.Grid(x, y).Type == ObjWallA && game.level.FloorGrid(x, y).Kind != FloorForce;
}

}  // namespace

LevelView::LevelView(const Game& game, const std::string& legend) {
  std::istringstream lines(legend);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.size() < 3 || line.rfind("--", 0) == 0 || line[1] != ' ') continue;
    std::istringstream fields(line.substr(2));
    int code = 0;
    // The first character a code is written with shows it.
    if (fields >> code) chars_.emplace(code, line[0]);
  }
  const int last = static_cast<int>(GridWidth) - 1;
  left_ = last;
  bottom_ = last;
  for (int y = 0; y <= last; ++y) {
    for (int x = 0; x <= last; ++x) {
      if (IsPlainWall(game, x, y)) continue;
      left_ = std::min(left_, x);
      right_ = std::max(right_, x);
      bottom_ = std::min(bottom_, y);
      top_ = std::max(top_, y);
    }
  }
  // The outer wall too.
  left_ = std::max(0, left_ - 1);
  bottom_ = std::max(0, bottom_ - 1);
  right_ = std::min(last, right_ + 1);
  top_ = std::min(last, top_ + 1);
}

char LevelView::CellChar(const Game& game, int x, int y) const {
  const LevelCell& cell = game.level.Grid(x, y);
  auto legendChar = [this](int code) {
    const auto found = chars_.find(code);
    return found == chars_.end() ? '?' : found->second;
  };
  switch (cell.Type) {
    case ObjEmpty:
    case ObjVacated: {
      const FloorCell& floor = game.level.FloorGrid(x, y);
      return floor.Kind == FloorForce ? legendChar(ForceFloorCode(floor)) : '.';
    }
    case ObjClosedPortal:
      return 'e';
    case ObjExitPortal:
      return 'E';
    case ObjBlast:
    case ObjBlastB:
    case ObjShotBlast:
      return '~';
    case ObjCannonShot:
    case ObjThresherShot:
      return '!';
    case ObjShapedWall:
      return 'l';
    case ObjCannon:
      return 'C';
    case ObjInertTile:
      return '#';
    default:
      return legendChar(cell.Type);
  }
}

void LevelView::Print(const Game& game, std::ostream& out) const {
  const std::string margin(5, ' ');
  std::string tens = margin, ones = margin;
  for (int x = left_; x <= right_; ++x) {
    tens += static_cast<char>('0' + x / 10);
    ones += static_cast<char>('0' + x % 10);
  }
  out << tens << '\n' << ones << '\n';
  for (int y = top_; y >= bottom_; --y) {
    out << "  " << std::setw(2) << y << ' ';
    for (int x = left_; x <= right_; ++x) out << CellChar(game, x, y);
    out << '\n';
  }
}

}  // namespace brolt::solutions
