#include "editor/model/commands/level_conversion.h"

#include <algorithm>

#include "common/numeric.h"

namespace brolt::editor {

namespace {
std::int16_t ToField(int value) { return static_cast<std::int16_t>(std::clamp(value, -32768, 32767)); }
int ToDirection(int value) { return value >= 0 && value <= 4 ? value : 0; }
}  // namespace

RgbColour ColorTextToRgb(std::string_view colorText) {
  std::array<int, 3> parts{};
  for (int& part : parts) {
    const std::size_t comma = colorText.find(',');
    part = std::clamp(LeadingNumber(colorText.substr(0, comma)), 0, 255);
    colorText = comma == std::string_view::npos ? std::string_view() : colorText.substr(comma + 1);
  }
  return {parts[0], parts[1], parts[2]};
}

std::string RgbToColorText(RgbColour colour) {
  auto channel = [](int value) { return std::to_string(std::clamp(value, 0, 255)); };
  return channel(colour.red) + "," + channel(colour.green) + "," + channel(colour.blue);
}

LevelRecord ToLevelRecord(const LevelState& level) {
  LevelRecord record;
  record.title = level.LevelTitle;
  for (std::size_t i = 0; i < record.colours.size(); ++i) record.colours[i] = ColorTextToRgb(level.LevelColor[i]);
  record.lightRadius = level.LightRadius;
  record.timeLimit = level.TimeLimit;
  record.unidAward = level.UnidAward;
  record.cannonRate = level.CannonRate;
  for (int y = 0; y < kLevelSize; ++y) {
    for (int x = 0; x < kLevelSize; ++x) {
      const MapCell& cell = level.Cell(x, y);
      CellText& text = record.Cell(x, y);
      text.tileCode = std::clamp<int>(cell.TileCode, 0, 999);
      text.direction = text.tileCode == 0 ? 0 : ToDirection(cell.Direction);
    }
  }
  return record;
}

void ApplyLevelRecord(const LevelRecord& record, LevelState& level) {
  for (std::size_t i = 0; i < record.colours.size(); ++i) level.LevelColor[i] = RgbToColorText(record.colours[i]);
  level.LightRadius = ToField(record.lightRadius);
  level.TimeLimit = ToField(record.timeLimit);
  level.UnidAward = ToField(record.unidAward);
  level.CannonRate = ToField(record.cannonRate);
  for (auto& column : level.Map) {
    for (MapCell& cell : column) {
      cell.TileCode = 0;
      cell.Direction = 0;
    }
  }
  for (int y = 0; y < kLevelSize; ++y) {
    for (int x = 0; x < kLevelSize; ++x) {
      const CellText& text = record.Cell(x, y);
      MapCell& cell = level.Cell(x, y);
      cell.TileCode = static_cast<std::int16_t>(text.tileCode >= 0 && text.tileCode <= 999 ? text.tileCode : 0);
      cell.Direction = static_cast<std::int16_t>(ToDirection(text.direction));
    }
  }
}

}  // namespace brolt::editor
