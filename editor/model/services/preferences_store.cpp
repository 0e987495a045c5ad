#include "editor/model/services/preferences_store.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "common/numeric.h"
#include "editor/model/canvas/undo_ring.h"
#include "editor/model/dialogs/splash_progress.h"
#include "editor/model/services/colour_scheme.h"
#include "editor/model/services/definitions_database.h"
#include "editor/model/tools/overwrite.h"
#include "editor/model/tools/tool_state.h"

namespace brolt::editor {

namespace {

constexpr int kMinTileWidth = 1, kMaxTileWidth = 100;
constexpr int kMinFadeInSpeed = 1, kMaxFadeInSpeed = 255;
constexpr int kMinLightRadius = 3, kMaxLightRadius = 25;
constexpr int kMinCannonRate = 0, kMaxCannonRate = 99;
constexpr int kMaxWindowState = 2;
constexpr int kMinUndoStates = 1, kMaxUndoStates = 32000;

// One Settings row as the loader sees it.
struct SettingValue {
  std::string text;  // Null reads as ""

  std::optional<double> Number() const { return WholeTextNumber(text); }
  // A whole number within [low, high], rounded half to even; nothing otherwise.
  std::optional<int> Within(int low, int high) const {
    std::optional<double> number = Number();
    if (!number) return std::nullopt;
    const std::int64_t value = RoundHalfEven(*number);
    if (value < low || value > high) return std::nullopt;
    return static_cast<int>(value);
  }
  // A stored switch: -1 off, any other number on; text that is no number decides nothing.
  std::optional<bool> Switch() const {
    std::optional<double> number = Number();
    if (!number) return std::nullopt;
    return *number != -1;
  }
  bool Blank() const { return TrimSpaces(text).empty(); }
};

// A switch as stored: a number, -1 for off and 0 for on.
std::int64_t StoredSwitch(bool on) { return on ? 0 : -1; }

void SetText(std::string& target, const SettingValue& value) {
  if (!value.Blank()) target = value.text;
}

template <typename T>
void SetWithin(T& target, const SettingValue& value, int low, int high) {
  if (std::optional<int> number = value.Within(low, high)) target = static_cast<T>(*number);
}

template <typename T>
void SetClamped(T& target, const SettingValue& value, int low, int high) {
  if (std::optional<double> number = value.Number()) {
    target = static_cast<T>(std::clamp<std::int64_t>(RoundHalfEven(*number), low, high));
  }
}

void SetSwitch(bool& target, const SettingValue& value) {
  if (std::optional<bool> on = value.Switch()) target = *on;
}

using Loader = std::function<void(Editor&, const SettingValue&)>;

const std::map<std::string, Loader>& PathLoaders() {
  static const std::map<std::string, Loader> loaders = {
      {"tilesetimagefile", [](Editor& e, const SettingValue& v) { e.prefs.TilesetImageFile = v.text; }},
      {"graphicspath", [](Editor& e, const SettingValue& v) { SetText(e.prefs.GraphicsPath, v); }},
      {"soundpath", [](Editor& e, const SettingValue& v) { e.prefs.SoundPath = v.text; }},
      {"musicpath", [](Editor& e, const SettingValue& v) { e.prefs.MusicPath = v.text; }},
      {"levelspath", [](Editor& e, const SettingValue& v) { SetText(e.prefs.LevelsPath, v); }},
  };
  return loaders;
}

void LoadTileWidth(Editor& editor, const SettingValue& value) {
  const double width = LeadingValue(value.text);
  if (width < kMinTileWidth || width > kMaxTileWidth) return;
  editor.prefs.ZoomPreference = RoundToInt16(width);
  editor.prefs.TileSize = static_cast<float>(width);
  editor.view.TileSize = editor.prefs.TileSize;
}

void LoadWindowSize(int& target, const SettingValue& value) {
  const std::int32_t size = LeadingNumber(value.text);
  if (size > 0) target = size;
}

const std::map<std::string, Loader>& PreferenceLoaders() {
  static const std::map<std::string, Loader> loaders = {
      {"overwritetiles",
       [](Editor& e, const SettingValue& v) {
         SetSwitch(e.prefs.OverwriteTiles, v);
         SetOverwrite(e, e.prefs.OverwriteTiles);
       }},
      {"levelfile", [](Editor& e, const SettingValue& v) { e.prefs.LevelFile = v.text; }},
      {"fadeinspeed",
       [](Editor& e, const SettingValue& v) { SetClamped(e.prefs.FadeInSpeed, v, kMinFadeInSpeed, kMaxFadeInSpeed); }},
      {"undomax",
       [](Editor& e, const SettingValue& v) {
         SetClamped(e.prefs.UndoMax, v, kMinUndoStates, kMaxUndoStates);
         ResetUndoRing(e.undo, e.prefs.UndoMax);
       }},
      {"griddark", [](Editor& e, const SettingValue& v) { e.prefs.GridDark = v.text; }},
      {"gridlight", [](Editor& e, const SettingValue& v) { e.prefs.GridLight = v.text; }},
      {"bordercolor", [](Editor& e, const SettingValue& v) { e.prefs.BorderColor = v.text; }},
      {"rndbordercolor",
       [](Editor& e, const SettingValue& v) {
         std::optional<bool> on = v.Switch();
         if (!on) return;
         e.prefs.RandomBorderColors = *on;
         if (*on) RandomBorderColor(e);
       }},
      {"tilewidth", LoadTileWidth},
      {"len", [](Editor&, const SettingValue&) {}},
      {"formcaption", [](Editor& e, const SettingValue& v) { SetText(e.prefs.FormCaption, v); }},
      {"levelname", [](Editor& e, const SettingValue& v) { SetText(e.prefs.LevelTitle, v); }},
      {"default levelname",
       [](Editor& e, const SettingValue& v) {
         SetText(e.prefs.DefaultLevelTitle, v);
         SetText(e.prefs.LevelTitle, v);
       }},
      {"windowx", [](Editor& e, const SettingValue& v) { SetWithin(e.prefs.Window.Left, v, -32768, 32767); }},
      {"windowy", [](Editor& e, const SettingValue& v) { SetWithin(e.prefs.Window.Top, v, -32768, 32767); }},
      {"windoww", [](Editor& e, const SettingValue& v) { LoadWindowSize(e.prefs.Window.Width, v); }},
      {"windowh", [](Editor& e, const SettingValue& v) { LoadWindowSize(e.prefs.Window.Height, v); }},
      {"windowstate",
       [](Editor& e, const SettingValue& v) { SetWithin(e.prefs.Window.WindowState, v, 0, kMaxWindowState); }},
      {"centerwindow", [](Editor& e, const SettingValue& v) { SetSwitch(e.prefs.CenterWindow, v); }},
      {"miniwidth", [](Editor& e, const SettingValue& v) { SetWithin(e.prefs.MiniWidth, v, 1, 32767); }},
      {"tool",
       [](Editor& e, const SettingValue& v) {
         e.prefs.CurrentTool =
             static_cast<std::int16_t>(v.Within(kSelectorTool, kPreviewStartTool).value_or(kBrushTool));
       }},
      {"statusbar", [](Editor& e, const SettingValue& v) { e.prefs.StatusBarText = v.text; }},
      {"lightraddef",
       [](Editor& e, const SettingValue& v) {
         SetWithin(e.prefs.LightRadiusDefault, v, kMinLightRadius, kMaxLightRadius);
       }},
      {"showgrid",
       [](Editor& e, const SettingValue& v) {
         SetSwitch(e.prefs.ShowGrid, v);
         e.ui.window->CheckGridMenuItem(e.prefs.ShowGrid);
       }},
      {"cannonrate",
       [](Editor& e, const SettingValue& v) {
         SetClamped(e.prefs.CannonRateDefault, v, kMinCannonRate, kMaxCannonRate);
       }},
      {"mutemusic", [](Editor& e, const SettingValue& v) { SetSwitch(e.prefs.MuteMusic, v); }},
      {"useprimaryfortilecounter",
       [](Editor& e, const SettingValue& v) { SetSwitch(e.prefs.UsePrimaryForCounter, v); }},
  };
  return loaders;
}

void ApplyRows(Editor& editor, const std::map<std::string, Loader>& loaders) {
  ScanTable(editor, "Settings", [&](RowSet& rows) {
    auto loader = loaders.find(ToLowerAscii(FieldText(rows, "Variable")));
    if (loader != loaders.end()) loader->second(editor, SettingValue{FieldText(rows, "Value")});
  });
}

// The level shown at start-up takes its title, light radius and cannon rate from the preferences.
void StartLevelFromPreferences(Editor& editor) {
  editor.level.LevelTitle = editor.prefs.LevelTitle;
  editor.level.LightRadius = editor.prefs.LightRadiusDefault;
  editor.level.CannonRate = editor.prefs.CannonRateDefault;
}

using Saver = std::function<void(RowSet&, const Editor&)>;

template <typename Get>
Saver Number(Get get) {
  return [get](RowSet& rows, const Editor& e) { rows.UpdateField("Value", static_cast<std::int64_t>(get(e))); };
}

template <typename Get>
Saver Text(Get get) {
  return [get](RowSet& rows, const Editor& e) { rows.UpdateField("Value", std::optional<std::string>(get(e))); };
}

template <typename Get>
Saver Switch(Get get) {
  return [get](RowSet& rows, const Editor& e) { rows.UpdateField("Value", StoredSwitch(get(e))); };
}

// Placement rows keep their values while the window is minimised or maximised.
template <typename Get>
Saver Placement(Get get) {
  return [get](RowSet& rows, const Editor& e) {
    if (e.prefs.Window.WindowState == 0) rows.UpdateField("Value", static_cast<std::int64_t>(get(e)));
  };
}

const std::map<std::string, Saver, std::less<>>& PreferenceSavers() {
  static const std::map<std::string, Saver, std::less<>> savers = {
      {"windowx", Placement([](const Editor& e) { return e.prefs.Window.Left; })},
      {"windowy", Placement([](const Editor& e) { return e.prefs.Window.Top; })},
      {"windoww", Placement([](const Editor& e) { return e.prefs.Window.Width; })},
      {"windowh", Placement([](const Editor& e) { return e.prefs.Window.Height; })},
      {"windowstate", Number([](const Editor& e) { return e.prefs.Window.WindowState; })},
      {"lightraddef", Number([](const Editor& e) { return e.prefs.LightRadiusDefault; })},
      {"undomax", Number([](const Editor& e) { return e.prefs.UndoMax; })},
      {"tilewidth", Number([](const Editor& e) { return e.prefs.ZoomPreference; })},
      {"centerwindow", Switch([](const Editor& e) { return e.prefs.CenterWindow; })},
      {"overwritetiles", Switch([](const Editor& e) { return e.prefs.OverwriteTiles; })},
      {"bordercolor", Text([](const Editor& e) { return e.prefs.BorderColor; })},
      {"lightdef", Text([](const Editor&) { return std::string(); })},
      {"gridlight", Text([](const Editor& e) { return e.prefs.GridLight; })},
      {"griddark", Text([](const Editor& e) { return e.prefs.GridDark; })},
      {"fadeinspeed", Number([](const Editor& e) { return e.prefs.FadeInSpeed; })},
      {"levelfile", Text([](const Editor& e) { return e.prefs.LevelFile; })},
      {"rndbordercolor", Switch([](const Editor& e) { return e.prefs.RandomBorderColors; })},
      {"showgrid", Switch([](const Editor& e) { return e.prefs.ShowGrid; })},
      {"cannonrate", Number([](const Editor& e) { return e.prefs.CannonRateDefault; })},
      {"mutemusic", Switch([](const Editor& e) { return e.prefs.MuteMusic; })},
      {"useprimaryfortilecounter", Switch([](const Editor& e) { return e.prefs.UsePrimaryForCounter; })},
  };
  return savers;
}

}  // namespace

void LoadPaths(Editor& editor) { ApplyRows(editor, PathLoaders()); }

void LoadPreferences(Editor& editor) {
  UpdateSplashProgress(editor);
  ShowLoadingText(editor, "Loading preferences...");
  ResetUndoRing(editor.undo, editor.prefs.UndoMax);
  ApplyRows(editor, PreferenceLoaders());
  editor.prefs.RecordLength = kRecordLength;
  StartLevelFromPreferences(editor);
}

void SavePreferences(Editor& editor) {
  editor.ui.window->ReadMainWindowPlacement(editor.prefs.Window);
  const auto& savers = PreferenceSavers();
  ScanTable(editor, "Settings", [&](RowSet& rows) {
    auto saver = savers.find(FieldText(rows, "Variable"));
    if (saver != savers.end()) saver->second(rows, editor);
  });
}

}  // namespace brolt::editor
