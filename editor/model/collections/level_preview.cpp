#include "editor/model/collections/level_preview.h"

#include <algorithm>

namespace brolt::editor {

LevelPreview MakeLevelPreview(std::string_view record, const TileCatalogue& tiles) {
  LevelPreview preview;
  preview.HasData = !record.empty();
  for (int row = 0; row < kLevelRows; ++row)
    for (int column = 0; column < kLevelColumns; ++column) {
      const int code = DecodeCellText(record, column, row).tileCode;
      preview.Colours[static_cast<std::size_t>(row * kLevelColumns + column)] = static_cast<std::int8_t>(
          code > 0 && code < kTileCodes ? std::clamp<int>(tiles[code].Mini, 0, 15) : -1);
    }
  return preview;
}

}  // namespace brolt::editor
