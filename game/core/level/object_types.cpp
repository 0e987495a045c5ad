#include "game/core/level/object_types.h"

#include <array>
#include <cstddef>

namespace brolt {

namespace {

// The codes that build an object; every other code builds an empty cell.
struct CodeRange {
  int first;
  int last;
  // The type the range builds, or ObjEmpty when each code builds the type of its own number.
  ObjectType shared;
};

constexpr CodeRange kCodeRanges[] = {
    {1, 17, ObjEmpty},  {20, 25, ObjEmpty},         {29, 30, ObjEmpty}, {34, 37, ObjCannon},
    {39, 39, ObjEmpty}, {40, 44, ObjShapedWall},    {45, 45, ObjEmpty}, {50, 64, ObjEmpty},
    {70, 74, ObjEmpty}, {85, 94, ObjInertTile},     {95, 99, ObjEmpty},
};

constexpr int kCodeCount = 100;

// The type of every code, worked out from the ranges once: every cell of a level load asks.
constexpr std::array<ObjectType, kCodeCount> kCodeTypes = [] {
  std::array<ObjectType, kCodeCount> types{};
  for (const CodeRange& range : kCodeRanges)
    for (int code = range.first; code <= range.last; ++code)
      types[static_cast<std::size_t>(code)] = range.shared != ObjEmpty ? range.shared : static_cast<ObjectType>(code);
  return types;
}();

}  // namespace

ObjectType TileCodeType(int code) {
  return code >= 0 && code < kCodeCount ? kCodeTypes[static_cast<std::size_t>(code)] : ObjEmpty;
}

}  // namespace brolt
