#include "game/core/drawing/help_icons.h"

#include "common/numeric.h"
#include "game/core/files/help_pages.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/level/cell_construction.h"
#include "game/core/level/object_types.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

constexpr float kSheetSide = 8.0f;
constexpr float kIconSize = 38.0f;
// The two large creatures are drawn 1.3 times as big, rounded.
constexpr float kLargeIconSize = 49.0f;
constexpr int kIconSpacing = 48;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// 1..8, back to 1 after 8; returns whether it went back.
bool StepFrame(std::int16_t& frame) {
  frame = static_cast<std::int16_t>(frame % 8 + 1);
  return frame == 1;
}

void AdvanceAnimation(Game& game) {
  DefinitionsState& help = game.definitions;
  StepFrame(help.HelpIconFrame);
  if (StepFrame(help.HelpRollFrame)) StepFrame(help.HelpRollRow);
  auto angle = RoundHalfEven(game.random().Rnd() * 50 + help.HelpIconAngle + 120);
  help.HelpIconAngle = static_cast<std::int16_t>(angle > 360 ? angle - 360 : angle);
}

}  // namespace

void DrawHelpIcons(Game& game, std::string_view icons, std::int16_t y) {
  const DefinitionsState& help = game.definitions;
  const int count = CountCommaItems(icons);
  if (game.timing.Tick30 == 0) AdvanceAnimation(game);
  for (int k = 1; k <= count; ++k) {
    const std::int16_t type = GetCommaItem(icons, k);
    if (type < 0 || type >= kObjectTypeCount) continue;
    const LevelCell cell = MakeCell(game, type);
    const ObjectDef& def = game.ObjectDefs[type];
    std::int16_t frame = cell.Frame;
    std::int16_t row = cell.FrameRow;
    std::int16_t angle = 0;
    if (type == ObjThresher || def.IsCreature || type == ObjHatcher || type == ObjCannon)
      frame = help.HelpIconFrame;
    if (type == ObjRock || type == ObjUnid) {
      frame = help.HelpRollFrame;
      row = help.HelpRollRow;
    }
    if (type == ObjGrass) row = help.HelpIconFrame;
    if (type == ObjRockGenerator) frame = 6;
    if (type == ObjPushBlock) frame = 1;
    if (type >= ObjKeyBlockA && type <= ObjKeyBlockC) angle = help.HelpIconAngle;
    if (def.IdleSpin) frame = help.HelpIconFrame;
    if (def.ShapedWall) frame = static_cast<std::int16_t>(frame + 3);
    const float size = (type == ObjAraneaeC || type == ObjGnatC) ? kLargeIconSize : kIconSize;
    const float x = static_cast<float>(320 - kIconSpacing / 2 * (count - 1) + kIconSpacing * (k - 1));
    game.services.drawing->DrawQuad(kSheetSide, x, y, frame, row, angle, size, def.Texture, kWhite);
  }
}

}  // namespace brolt
