#include "common/level_record.h"

#include <algorithm>
#include <cstdint>

#include "common/numeric.h"

namespace brolt {

std::string_view RecordChars(std::string_view record, int firstPosition, int lastPosition) {
  if (firstPosition < 1 || lastPosition < firstPosition) return {};
  auto start = static_cast<std::size_t>(firstPosition - 1);
  if (start >= record.size()) return {};
  return record.substr(start, static_cast<std::size_t>(lastPosition - firstPosition + 1));
}

std::string_view FieldText(std::string_view record, RecordField field) {
  return RecordChars(record, field.position, field.position + field.width - 1);
}

bool ReplaceField(std::string& record, RecordField field, std::string_view replacement) {
  if (replacement.size() != static_cast<std::size_t>(field.width)) return false;
  if (record.size() < static_cast<std::size_t>(field.position - 1 + field.width)) return false;
  record.replace(static_cast<std::size_t>(field.position - 1), replacement.size(), replacement);
  return true;
}

std::int32_t FieldNumber(std::string_view record, RecordField field) {
  return LeadingNumber(FieldText(record, field));
}

std::string EncodeColour(RgbColour colour) {
  auto channel = [](int value) { return PadNumber(std::clamp(value, 0, 255), 3); };
  return channel(colour.red) + channel(colour.green) + channel(colour.blue);
}

RgbColour DecodeColour(std::string_view record, RecordField field) {
  return {LeadingNumber(RecordChars(record, field.position, field.position + 2)),
          LeadingNumber(RecordChars(record, field.position + 3, field.position + 5)),
          LeadingNumber(RecordChars(record, field.position + 6, field.position + 8))};
}

CellText DecodeCellText(std::string_view record, int column, int row) {
  int first = level_field::kCellsPosition + kCellTextLength * (kLevelColumns * row + column);
  return {LeadingNumber(RecordChars(record, first, first + 2)),
          LeadingNumber(RecordChars(record, first + 3, first + 3))};
}

std::string EncodeLevelRecord(const LevelRecord& level) {
  std::string out;
  out.reserve(kLevelRecordLength);
  out += PadText(level.title, 30);
  out += EncodeColour(level.colours[0]);
  out += PadNumber(level.lightRadius, 2);
  out += PadNumber(level.timeLimit, 3);
  out += PadText(level.bestTimeHolder, 5);
  out += (level.openState >= '0' && level.openState <= '2') ? level.openState : '0';
  out += PadText(level.bestTime, 9);
  out += "   ";
  out += PadText(level.compiledMarker, 2);
  out += "  ";
  out += EncodeColour(level.colours[1]);
  out += EncodeColour(level.colours[2]);
  out += EncodeColour(level.colours[3]);
  out += "  ";
  out += PadNumber(level.unidAward, 2);
  out += PadNumber(level.cannonRate, 2);
  for (const CellText& cell : level.cells) {
    out += PadNumber(cell.tileCode, 3);
    out += PadNumber(cell.direction, 1);
  }
  return out;
}

LevelRecord DecodeLevelRecord(std::string_view record) {
  using namespace level_field;
  LevelRecord level;
  level.title = std::string(FieldText(record, Title));
  level.colours = {DecodeColour(record, Color1), DecodeColour(record, Color2),
                   DecodeColour(record, Color3), DecodeColour(record, Color4)};
  level.lightRadius = FieldNumber(record, LightRadius);
  level.timeLimit = FieldNumber(record, TimeLimit);
  level.bestTimeHolder = std::string(FieldText(record, BestTimeHolder));
  std::string_view state = FieldText(record, OpenState);
  level.openState = state.empty() ? '0' : state[0];
  level.bestTime = std::string(FieldText(record, BestTime));
  level.compiledMarker = std::string(FieldText(record, CompiledMarker));
  level.unidAward = FieldNumber(record, UnidAward);
  level.cannonRate = FieldNumber(record, CannonRate);
  for (int i = 0; i < kLevelCells; ++i) level.cells[static_cast<std::size_t>(i)] = RecordCell(record, i);
  return level;
}

std::string EncodeTagRecord(std::string_view introduction, std::string_view endText) {
  return std::string(kLevelHeaderLength, ' ') + PadText(introduction, 300) +
         std::string(endText.substr(0, 720));
}

std::string TagIntroduction(std::string_view tagRecord) {
  return TrimSpaces(RecordChars(tagRecord, 100, 339));
}

std::string TagEndText(std::string_view tagRecord) { return TrimSpaces(RecordChars(tagRecord, 400, 1119)); }

bool IsHolderRecord(std::string_view record) {
  return ToLowerAscii(record) == ToLowerAscii(kHolderRecord);
}

std::string EncodePreviewRecord(const LevelRecord& level) {
  LevelRecord preview = level;
  preview.title = "(" + TrimSpaces(level.title).substr(0, 28) + ")";
  std::string record = EncodeLevelRecord(preview);
  record.replace(44, 22, std::string(22, ' '));  // characters 45-66: no holder, state, time or marker
  return record;
}

std::string EncodePreviewMusicRecord(bool silent) { return silent ? "1" : "0"; }

bool PreviewWantsMusic(std::string_view musicRecord) {
  return LeadingNumber(musicRecord.substr(0, 1)) == 0;
}

bool IsCompiledMarker(std::string_view marker) { return ToLowerAscii(marker) == kCompiledMarker; }

}  // namespace brolt
