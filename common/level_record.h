#pragma once
// The text records of a level collection: the level record with its fields at fixed positions, the
// tag record after the last level of a compiled collection, the holder record of an emptied level
// space, and the two records of the preview file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace brolt {

// A field of a record: 1-based position and width in characters.
struct RecordField {
  int position;
  int width;
};

namespace level_field {
constexpr RecordField Title{1, 30};
constexpr RecordField Color1{31, 9};
constexpr RecordField LightRadius{40, 2};
constexpr RecordField TimeLimit{42, 3};
constexpr RecordField BestTimeHolder{45, 5};
constexpr RecordField OpenState{50, 1};
constexpr RecordField BestTime{51, 9};
constexpr RecordField CompiledMarker{63, 2};
constexpr RecordField Color2{67, 9};
constexpr RecordField Color3{76, 9};
constexpr RecordField Color4{85, 9};
constexpr RecordField UnidAward{96, 2};
constexpr RecordField CannonRate{98, 2};
constexpr int kCellsPosition = 100;
}  // namespace level_field

constexpr int kLevelHeaderLength = 99;
constexpr int kLevelColumns = 50;
constexpr int kLevelRows = 50;
constexpr int kLevelCells = kLevelColumns * kLevelRows;
constexpr int kCellTextLength = 4;
constexpr int kLevelRecordLength = kLevelHeaderLength + kLevelCells * kCellTextLength;  // 10099

constexpr std::string_view kCompiledMarker = "zq";
constexpr std::string_view kHolderRecord = "     [HOLDER]";
constexpr std::string_view kPreviewFileName = "previewplay.tmp";

// The characters of a field that the record holds: fewer, or none, when the record is shorter.
std::string_view FieldText(std::string_view record, RecordField field);
std::string_view RecordChars(std::string_view record, int firstPosition, int lastPosition);

// A record with `replacement` put over the field's characters, only when the record already holds
// the whole field and the replacement is exactly as wide: a record never changes its length.
// Returns false (and leaves the record) otherwise.
bool ReplaceField(std::string& record, RecordField field, std::string_view replacement);

// The numeric value of a field, as the readers take it: its leading number, rounded; none gives 0.
std::int32_t FieldNumber(std::string_view record, RecordField field);

struct RgbColour {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const RgbColour&) const = default;
};

// One cell of a level as the files hold it: a 3-digit tile code and a direction digit
// (0 none, 1 up, 2 right, 3 down, 4 left).
struct CellText {
  int tileCode = 0;
  int direction = 0;
  bool operator==(const CellText&) const = default;
};

// One level, field by field. Cells run row by row from the top row of the level (file row 0) and
// within a row from the left; index = 50 x row + column.
struct LevelRecord {
  std::string title;
  std::array<RgbColour, 4> colours{};
  int lightRadius = 0;
  int timeLimit = 0;
  std::string bestTimeHolder;
  char openState = '0';
  std::string bestTime = "00:00:00 ";
  std::string compiledMarker;
  int unidAward = 0;
  int cannonRate = 0;
  std::array<CellText, kLevelCells> cells{};

  CellText& Cell(int column, int row) { return cells[static_cast<std::size_t>(row * kLevelColumns + column)]; }
  const CellText& Cell(int column, int row) const {
    return cells[static_cast<std::size_t>(row * kLevelColumns + column)];
  }
};

// Always exactly 10099 characters: every number is clamped to its field, every text cut or padded.
std::string EncodeLevelRecord(const LevelRecord& level);

// Reads every field the record holds; a short record gives empty texts and zeros for what is missing.
// Colour components are taken as they stand (callers clamp where a value must fit a channel).
LevelRecord DecodeLevelRecord(std::string_view record);

std::string EncodeColour(RgbColour colour);
RgbColour DecodeColour(std::string_view record, RecordField field);

// The cell at file column and row (both 0..49) of a record, read as the loaders read it.
CellText DecodeCellText(std::string_view record, int column, int row);

// DecodeCellText of cell `index` (50 x row + column). Cells stored as four plain digits, as every
// written record stores them, are read straight from the text; anything else, and a cell the record
// holds only part of, is read the general way.
inline CellText RecordCell(std::string_view record, int index) {
  const std::size_t at = static_cast<std::size_t>(level_field::kCellsPosition - 1 + index * kCellTextLength);
  if (record.size() >= at + kCellTextLength) {
    const char* text = record.data() + at;
    std::uint32_t word;
    std::memcpy(&word, text, sizeof(word));
    // Every byte within '0'..'9': its high half is 3, and stays 3 with 6 added.
    if ((word & 0xF0F0F0F0u) == 0x30303030u && ((word + 0x06060606u) & 0xF0F0F0F0u) == 0x30303030u)
      return {(text[0] - '0') * 100 + (text[1] - '0') * 10 + (text[2] - '0'), text[3] - '0'};
  }
  return DecodeCellText(record, index % kLevelColumns, index / kLevelColumns);
}

// The tag record: 99 blanks, the introduction padded to 300 characters, then the end text.
std::string EncodeTagRecord(std::string_view introduction, std::string_view endText);
std::string TagIntroduction(std::string_view tagRecord);  // characters 100-339, trimmed
std::string TagEndText(std::string_view tagRecord);       // characters 400-1119, trimmed

// The holder record, recognised in any letter case.
bool IsHolderRecord(std::string_view record);

// Record 1 of the preview file: the level with its title in parentheses and no progress or marker.
std::string EncodePreviewRecord(const LevelRecord& level);
// Record 2 of the preview file: "1" for a silent preview, "0" for one with music.
std::string EncodePreviewMusicRecord(bool silent);
// Whether the preview plays music: the first character of record 2 is worth 0 (also when missing).
bool PreviewWantsMusic(std::string_view musicRecord);

// The compiled marker test of the progress operations and of the collection list: either case.
bool IsCompiledMarker(std::string_view marker);

}  // namespace brolt
