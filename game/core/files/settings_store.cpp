#include "game/core/files/settings_store.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "common/numeric.h"
#include "game/core/files/definitions.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

constexpr const char* kGameSpeed = "gamespeed";
constexpr const char* kMusicVolume = "musicvolume";
constexpr const char* kSoundVolume = "soundvolume";
constexpr const char* kLevelCollection = "levelcollection";
constexpr const char* kPackFile = "packfile";
constexpr const char* kShowBG = "showbg";
constexpr const char* kDeveloperKey = "brenwick";
constexpr const char* kDeveloperCode = "zq";

// Below speed 2 the object speeds divide by zero; the options offer 5..9.
constexpr std::int64_t kMinGameSpeed = 5, kMaxGameSpeed = 9;
constexpr std::int64_t kMinVolume = 0, kMaxVolume = 100;

// The value of a numeric setting; nothing for Null or a text that is not one number.
std::optional<double> NumericValue(const std::optional<std::string>& value) {
  return value ? WholeTextNumber(*value) : std::nullopt;
}

std::int64_t RoundedWithin(double value, std::int64_t low, std::int64_t high) {
  return std::clamp(RoundHalfEven(value), low, high);
}

// Runs `action` on every row with a key, passing the key in lower case. A pass that fails puts
// back the table that was current before it instead of reading the help table again: another
// program's lock would make that read wait as long once more, and its failure would hide the
// reason of the one that ended the pass.
template <typename Action>
void ScanSettingsRows(Game& game, Action action) {
  std::unique_ptr<RowSet> before = std::move(game.definitions.DefineRecordset);
  try {
    OpenSettingsRecordset(game);
    RowSet& rows = *game.definitions.DefineRecordset;
    for (int i = 0; i < rows.Count(); ++i) {
      rows.SetPosition(i);
      std::optional<std::string> variable = rows.Field("Variable");
      if (variable) action(rows, ToLowerAscii(*variable));
    }
  } catch (...) {
    game.definitions.DefineRecordset = std::move(before);
    throw;
  }
  OpenHelpRecordset(game);
}

void SelectCollection(Game& game, const std::string& name) {
  FileList& list = game.LevelList;
  if (!list.Select(name)) list.Selected = list.Names.empty() ? -1 : 0;
  game.collection.CollectionFile = list.SelectedName();
}

}  // namespace

void LoadSettings(Game& game) {
  GameSettings& settings = game.settings;
  ScanSettingsRows(game, [&](RowSet& rows, const std::string& key) {
    std::optional<std::string> value = rows.Field("Value");
    std::optional<double> number = NumericValue(value);
    if (key == kGameSpeed && number) {
      settings.GameSpeed = static_cast<std::int32_t>(RoundedWithin(*number, kMinGameSpeed, kMaxGameSpeed));
    } else if (key == kMusicVolume && number) {
      settings.MusicVolume = static_cast<std::int16_t>(RoundedWithin(*number, kMinVolume, kMaxVolume));
    } else if (key == kSoundVolume && number) {
      settings.SoundVolume = static_cast<std::int16_t>(RoundedWithin(*number, kMinVolume, kMaxVolume));
    } else if (key == kLevelCollection && value) {
      SelectCollection(game, *value);
    } else if (key == kPackFile && value && !value->empty()) {
      // An empty name would make the program folder itself the pack.
      settings.PackFile = *value;
    } else if (key == kShowBG && number) {
      settings.ShowBG = *number == 1.0;
    }
  });
}

void SaveSettings(Game& game) {
  const GameSettings& settings = game.settings;
  ScanSettingsRows(game, [&](RowSet& rows, const std::string& key) {
    if (key == kGameSpeed) rows.UpdateField("Value", std::int64_t{settings.GameSpeed});
    else if (key == kMusicVolume) rows.UpdateField("Value", std::int64_t{settings.MusicVolume});
    else if (key == kSoundVolume) rows.UpdateField("Value", std::int64_t{settings.SoundVolume});
    else if (key == kLevelCollection) rows.UpdateField("Value", game.LevelList.SelectedName());
    else if (key == kPackFile) rows.UpdateField("Value", settings.PackFile);
    else if (key == kShowBG) rows.UpdateField("Value", std::int64_t{settings.ShowBG ? 1 : 0});
  });
}

std::optional<std::string> ReadSettingText(Game& game, const std::string& key) {
  std::optional<std::string> text;
  bool found = false;
  ScanSettingsRows(game, [&](RowSet& rows, const std::string& rowKey) {
    if (found || rowKey != key) return;
    found = true;
    text = rows.Field("Value");
  });
  return text;
}

void ReadDeveloperSwitch(Game& game) {
  game.settings.DeveloperMode = false;
  ScanSettingsRows(game, [&](RowSet& rows, const std::string& key) {
    if (key == kDeveloperKey && rows.Field("Value") == kDeveloperCode) game.settings.DeveloperMode = true;
  });
}

}  // namespace brolt
