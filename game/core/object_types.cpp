#include "game/core/object_types.h"

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

}  // namespace

ObjectType TileCodeType(int code) {
  for (const CodeRange& range : kCodeRanges) {
    if (code < range.first || code > range.last) continue;
    return range.shared != ObjEmpty ? range.shared : static_cast<ObjectType>(code);
  }
  return ObjEmpty;
}

}  // namespace brolt
