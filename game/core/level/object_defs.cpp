#include "game/core/level/object_defs.h"

#include <initializer_list>

#include "game/core/drawing/texture_id.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

// The numbers of one defined type. speedFactor times the game speed is its Speed.
struct NumericRow {
  std::int16_t type;
  std::int16_t speedFactor;
  std::int16_t startFrame, startRow, frameCount, rowCount, drawDepth;
  TextureId texture;
  std::int16_t explodeRadius;
  std::int32_t lightDivisor;
};

// clang-format off
constexpr NumericRow kNumericRows[] = {
  // type speed frame row count rows depth texture     radius light
  {  0,   0,   8,   1,   0,   0,   0, TexTileset,    0,   0},
  {  1,   1,   1,   1,   0,   0,   1, TexPlayer,     2,   0},
  {  2,   1,   1,   1,   8,   1,   0, TexSpider,     1,   0},
  {  3,   1,   1,   2,   8,   1,   0, TexSpider,     1,   0},
  {  4,   1,   1,   3,   8,   1,   0, TexSpider,     1,   0},
  {  5,   1,   1,   4,   8,   1,   0, TexSpider,     1,   0},
  {  6,   1,   1,   5,   8,   1,   0, TexSpider,     1,   0},
  {  7,   1,   1,   6,   8,   1,   0, TexSpider,     1,   0},
  {  8,   1,   1,   7,   8,   1,   0, TexSpider,     1,   0},
  {  9,   0,   8,   7,   0,   0,   0, TexPortals,    0,   0},
  { 10,   0,   1,   1,   0,   0,   0, TexTileset,    0,   1},
  { 11,   0,   1,   2,   0,   0,   0, TexTileset,    0,   1},
  { 12,   0,   1,   3,   0,   0,   0, TexTileset,    0,   1},
  { 13,   0,   1,   4,   0,   0,   0, TexTileset,    0,   1},
  { 14,   0,   1,   5,   0,   0,   0, TexTileset,    0,   1},
  { 15,   0,   1,   8,   0,   0,   0, TexTileset,    0,   1},
  { 16,   0,   1,   6,   0,   0,   0, TexTileset,    0,   1},
  { 17,   0,   1,   7,   0,   0,   0, TexTileset,    0,   1},
  { 20,   1,   1,   1,   0,   0,   0, TexRocks,      0,   4},
  { 21,   1,   1,   1,   0,   0,   0, TexGems,       1,   3},
  { 22,   1,   1,   1,   0,   0,   0, TexMisc,       1,   0},
  { 23,   1,   1,   6,   0,   0,   0, TexMisc,       1,   0},
  { 24,   1,   1,   4,   0,   0,   0, TexMisc,       1,   0},
  { 25,   1,   1,   5,   0,   0,   0, TexMisc,       1,   0},
  { 29,   0,   1,   7,   0,   0,   0, TexPortals,    0,   0},
  { 30,   1,   1,   1,   0,   0,   0, TexPortals,    0,   0},
  { 34,   0,   1,   8,   0,   0,   0, TexMisc,       0,   1},
  { 39,   1,   1,   3,   0,   0,   0, TexMisc,       0,   1},
  { 40,   0,   1,   2,   0,   0,   0, TexMisc,       0,   1},
  { 44,   0,   5,   2,   0,   0,   0, TexMisc,       0,   1},
  { 45,   0,   7,   1,   0,   0,   0, TexTileset,    0,   2},
  { 50,   0,   1,   4,   0,   0,   0, TexPortals,    0,   0},
  { 51,   0,   1,   5,   0,   0,   0, TexPortals,    0,   0},
  { 52,   0,   1,   6,   0,   0,   0, TexPortals,    0,   0},
  { 53,   1,   4,   3,   0,   0,   0, TexPortals,    0,   0},
  { 54,   1,   5,   3,   0,   0,   0, TexPortals,    0,   0},
  { 55,   1,   6,   3,   0,   0,   0, TexPortals,    0,   0},
  { 56,   0,   8,   3,   0,   0,   0, TexPortals,    0,   0},
  { 57,   0,   7,   3,   0,   0,   0, TexPortals,    0,   0},
  { 58,   0,   8,   8,   0,   0,   0, TexPortals,    0,   0},
  { 59,   0,   1,   8,   0,   0,   0, TexPortals,    0,   0},
  { 60,   1,   1,   5,   0,   0,  -1, TexExplogeon,  0,   0},
  { 61,   2,   1,   1,   0,   0,  -1, TexExplogeon,  0,   0},
  { 62,   2,   1,   1,   0,   0,  -1, TexExplogeon,  0,   0},
  { 63,   1,   1,   1,   0,   0,  -1, TexExplogeon2, 0,   0},
  { 64,   1,   1,   5,   0,   0,  -1, TexExplogeon,  0,   0},
  { 70,   1,   1,   2,   0,   0,   0, TexPowerups,   0,   0},
  { 71,   1,   1,   1,   0,   0,   0, TexPowerups,   0,   0},
  { 72,   1,   1,   5,   0,   0,   0, TexPowerups,   0,   0},
  { 73,   1,   1,   4,   0,   0,   0, TexPowerups,   0,   0},
  { 74,   1,   1,   3,   0,   0,   0, TexPowerups,   0,   0},
  { 95,   1,   1,   3,   0,   0,   0, TexRocks,      0,   0},
  { 96,   1,   1,   8,   0,   0,   0, TexPowerups,   0,   4},
  { 97,   1,   1,   3,   0,   0,   0, TexRocks,      0,   0},
  { 98,   1,   1,   3,   0,   0,   0, TexRocks,      1,   0},
  { 99,   0,   8,   1,   0,   0,   0, TexTileset,    0,   0},
};
// clang-format on

// A run of type numbers, both ends included.
struct TypeRange {
  int first;
  int last;
};

// The types for which one Boolean field is set.
struct FlagRow {
  bool ObjectDef::*field;
  std::initializer_list<TypeRange> types;
};

// The types that fall are exactly the ones the Thresher may push sideways, yet the two fields are
// read by different rules.
constexpr std::initializer_list<TypeRange> kFallers = {{20, 24}, {30, 30}, {70, 74}, {95, 95}, {97, 98}};

const FlagRow kFlagRows[] = {
    {&ObjectDef::Round,
     {{11, 11}, {13, 13}, {15, 16}, {20, 25}, {30, 30}, {34, 34}, {39, 39}, {53, 55}, {70, 74}, {95, 98}}},
    {&ObjectDef::Gravity, kFallers},
    {&ObjectDef::SidePushable, kFallers},
    {&ObjectDef::ExplodesOnLanding, {{23, 23}, {25, 25}, {95, 95}}},
    {&ObjectDef::Destroyable,
     {{0, 9}, {12, 17}, {20, 25}, {29, 30}, {39, 39}, {45, 45}, {70, 74}, {95, 96}, {98, 99}}},
    {&ObjectDef::ShotTarget, {{0, 9}, {20, 25}, {29, 30}, {45, 45}, {70, 74}, {96, 96}, {98, 99}}},
    {&ObjectDef::IsCreature, {{2, 8}}},
    {&ObjectDef::Pushable, {{53, 55}, {96, 96}}},
    {&ObjectDef::IsWall, {{10, 17}, {39, 40}, {44, 44}}},
    {&ObjectDef::WallEdge, {{10, 17}, {39, 39}}},
    {&ObjectDef::IdleSpin, {{30, 30}, {70, 74}}},
    {&ObjectDef::ShapedWall, {{40, 40}, {44, 44}}},
    {&ObjectDef::IsBlast, {{60, 64}}},
};

}  // namespace

void BuildObjectDefs(Game& game) {
  // Computed in float so that no game speed, however wild, overflows.
  const float speed = static_cast<float>(game.settings.GameSpeed);
  ObjectDefTable& table = game.ObjectDefs;
  for (const NumericRow& row : kNumericRows) {
    ObjectDef def;
    def.Speed = static_cast<float>(row.speedFactor) * speed;
    def.StartFrame = row.startFrame;
    def.StartRow = row.startRow;
    def.FrameCount = row.frameCount;
    def.RowCount = row.rowCount;
    def.DrawDepth = row.drawDepth;
    def.Texture = row.texture;
    def.ExplodeRadius = row.explodeRadius;
    def.LightDivisor = row.lightDivisor;
    table.Defs[static_cast<std::size_t>(row.type)] = def;
  }
  for (const FlagRow& flag : kFlagRows)
    for (const TypeRange& range : flag.types)
      for (int type = range.first; type <= range.last; ++type)
        table.Defs[static_cast<std::size_t>(type)].*flag.field = true;
}

}  // namespace brolt
