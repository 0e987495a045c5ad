#include "editor/model/level_preview.h"

namespace brolt::editor {

LevelPreview MakeLevelPreview(std::string_view record, const TileCatalogue& tiles) {
  LevelPreview preview;
  preview.noData = record.empty();
  for (int row = 0; row < kLevelRows; ++row)
    for (int column = 0; column < kLevelColumns; ++column) {
      const int code = DecodeCellText(record, column, row).tileCode;
      preview.mini[static_cast<std::size_t>(row * kLevelColumns + column)] =
          code == 0 ? std::int16_t{-1} : tiles[code].Mini;
    }
  return preview;
}

}  // namespace brolt::editor
