#include "game/core/files/level_collection.h"

#include <algorithm>

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

std::filesystem::path InLevelsFolder(const Game& game, const std::string& name) {
  return game.paths.LevelsPath / name;
}

std::filesystem::path SelectedCollection(const Game& game) {
  return InLevelsFolder(game, game.LevelList.SelectedName());
}

std::string ReadSelectedSlot(const Game& game, int slot) {
  if (game.LevelList.SelectedName().empty()) return {};
  return ReadSlot(SelectedCollection(game), slot);
}

bool SelectedIsCompiled(Game& game) { return IsCompiledMarker(ReadCollectionMarker(game, 1)); }

// Rewrites one field of a level in the selected collection; a record too short to hold the field
// (a holder record, say) is left alone rather than grown.
void RewriteField(Game& game, int level, RecordField field, const std::string& value) {
  std::string record = ReadSelectedSlot(game, level);
  if (!ReplaceField(record, field, value)) return;
  WriteSlot(SelectedCollection(game), level, record);
}

// The minutes, seconds and hundredths of a "mm:ss.hh" text, from its three digit pairs.
struct ClockFields {
  int minutes, seconds, hundredths;
};
ClockFields ParseClockFields(std::string_view text) {
  return {LeadingNumber(RecordChars(text, 1, 2)), LeadingNumber(RecordChars(text, 4, 5)),
          LeadingNumber(RecordChars(text, 7, 8))};
}

}  // namespace

bool CanPlayCollection(const Game& game, const std::string& name) {
  const std::filesystem::path file = InLevelsFolder(game, name);
  std::error_code error;
  if (name.empty() || !std::filesystem::is_regular_file(file, error)) return false;
  try {
    return !ReadSlot(file, 1).empty();
  } catch (const FileError&) {
    return false;
  }
}

bool IsCollectionCompiled(Game& game, const std::string& name) {
  if (name.empty()) return false;
  std::string record = ReadSlot(InLevelsFolder(game, name), 1);
  return IsCompiledMarker(FieldText(record, level_field::CompiledMarker));
}

std::int32_t CountCollectionLevels(Game& game, const std::string& name) {
  game.collection.CollectionFile = name.empty() ? game.LevelList.SelectedName() : name;
  if (game.collection.CollectionFile.empty()) return 0;
  long filled = CountFilledSlots(InLevelsFolder(game, game.collection.CollectionFile));
  // The file being counted decides whether its last record is a tag record.
  long levels = IsCollectionCompiled(game, game.collection.CollectionFile) ? filled - 1 : filled;
  return static_cast<std::int32_t>(std::clamp<long>(levels, 0, kMaxCollectionLevels));
}

std::string ReadLevelName(Game& game, int level) {
  game.collection.CollectionFile = game.LevelList.SelectedName();
  std::string record = ReadSelectedSlot(game, level);
  if (record.empty()) return "no data";
  return TrimSpaces(FieldText(record, level_field::Title));
}

int IsLevelSolved(Game& game, int level) {
  if (!SelectedIsCompiled(game)) return 2;
  int state = FieldNumber(ReadSelectedSlot(game, level), level_field::OpenState);
  return (level == 1 && state == 0) ? 1 : state;
}

bool IsLevelHolder(Game& game, int level) { return IsHolderRecord(ReadSelectedSlot(game, level)); }

std::string ReadCollectionMarker(Game& game, int record) {
  return std::string(FieldText(ReadSelectedSlot(game, record), level_field::CompiledMarker));
}

std::string ReadBestTime(Game& game, int level) {
  const std::string record = ReadSelectedSlot(game, level);
  std::string_view stateAndTime = RecordChars(record, 50, 59);
  std::string time = std::string(RecordChars(stateAndTime, 2, 6)) + "." +
                     std::string(RecordChars(stateAndTime, 8, 9));
  ClockFields fields = ParseClockFields(time);
  if (fields.minutes == 0 && fields.seconds == 0 && fields.hundredths == 0) return {};
  return time;
}

std::string ReadBestTimeHolder(Game& game, int level) {
  return TrimSpaces(FieldText(ReadSelectedSlot(game, level), level_field::BestTimeHolder));
}

namespace {
std::string ReadTagRecord(Game& game) {
  int levels = CountCollectionLevels(game, game.LevelList.SelectedName());
  return ReadSelectedSlot(game, levels + 1);
}
}  // namespace

std::string ReadCollectionDescription(Game& game) {
  std::string tag = ReadTagRecord(game);
  return tag.empty() ? "(uncompiled)" : TagIntroduction(tag);
}

std::string ReadCollectionEndText(Game& game) {
  std::string tag = ReadTagRecord(game);
  return tag.empty() ? std::string() : TagEndText(tag);
}

bool IsBetterTime(const Game& game, const std::string& stored) {
  if (stored.empty()) return true;
  ClockFields best = ParseClockFields(stored);
  const int minutes = game.timing.LevelMinutes;
  const int seconds = game.timing.LevelSeconds;
  const int hundredths = std::clamp(game.timing.LevelMs, 0, 999) / 10;
  if (minutes != best.minutes) return minutes < best.minutes;
  if (seconds != best.seconds) return seconds < best.seconds;
  return hundredths < best.hundredths;
}

void SetLevelSolvedMark(Game& game, int level, char mark) {
  if (!SelectedIsCompiled(game)) return;
  RewriteField(game, level, level_field::OpenState, std::string(1, mark));
}

void SaveBestTime(Game& game, int level) {
  if (!SelectedIsCompiled(game)) return;
  ClockFields now = ParseClockFields(game.timing.ClockText);
  if (now.minutes == 0 && now.seconds == 0 && now.hundredths == 0) return;
  if (!IsBetterTime(game, ReadBestTime(game, level))) return;
  RewriteField(game, level, level_field::BestTime, PadText(game.timing.ClockText, 8) + " ");
  SaveRecordName(game, level);
}

void SaveRecordName(Game& game, int level) {
  if (!SelectedIsCompiled(game)) return;
  if (game.collection.PlayerName.size() < 5) game.collection.PlayerName.resize(5, ' ');
  RewriteField(game, level, level_field::BestTimeHolder, PadText(game.collection.PlayerName, 5));
}

}  // namespace brolt
