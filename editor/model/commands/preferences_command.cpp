#include "editor/model/commands/preferences_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "common/numeric.h"
#include "editor/model/commands/apply_color_scheme.h"
#include "editor/model/commands/level_properties.h"
#include "editor/model/services/colour_scheme.h"
#include "editor/model/tools/paste_mode.h"

namespace brolt::editor {
namespace {

constexpr int kMaximized = 2;
constexpr int kNormal = 0;

void TakeNumber(std::int16_t& preference, std::string_view text) {
  if (const std::optional<std::int16_t> value = TextToInteger(text)) preference = *value;
}

std::string Decimal(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::array<std::string, 2> GridColorsForBorder(std::string_view borderColor) {
  auto lowered = [borderColor](int by) {
    std::string text;
    for (int component = 0; component < 3; ++component) {
      const int value = GetColorComponent(borderColor, component == 0, component == 1, component == 2).value_or(0);
      if (component > 0) text += ',';
      text += std::to_string(std::max(value - by, 0));
    }
    return text;
  };
  return {lowered(75), lowered(165)};
}

std::array<std::string, 3> DrawRandomSchemeColors(Editor& editor) {
  Preferences& prefs = editor.prefs;
  const std::array<std::string, 3> kept{prefs.BorderColor, prefs.GridLight, prefs.GridDark};
  RandomBorderColor(editor);
  std::array<std::string, 3> drawn{prefs.BorderColor, prefs.GridLight, prefs.GridDark};
  prefs.BorderColor = kept[0];
  prefs.GridLight = kept[1];
  prefs.GridDark = kept[2];
  return drawn;
}

std::string ClampCannonRateText(std::string_view text) {
  const double value = LeadingValue(text);
  if (value > kMaxCannonRate) return std::to_string(kMaxCannonRate);
  if (value < 0) return "0";
  return Decimal(value);
}

std::optional<std::int16_t> TextToInteger(std::string_view text) {
  const std::string trimmed = TrimSpaces(text);
  double value = 0;
  const char* end = trimmed.data() + trimmed.size();
  const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
  if (trimmed.empty() || error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  const std::int64_t rounded = RoundHalfEven(value);
  if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

void ShowPreferences(Editor& editor, PreferencesView& dialog) {
  if (ConfirmExitPasteMode(editor)) return;
  Preferences& prefs = editor.prefs;
  PreferencesForm form;
  form.BorderColor = prefs.BorderColor;
  form.GridLight = prefs.GridLight;
  form.GridDark = prefs.GridDark;
  // A black border is how random colours were stored by older versions: it opens with the box ticked.
  form.RandomColors = prefs.RandomBorderColors || prefs.BorderColor == "0,0,0";
  form.LightRadiusDefault = std::to_string(prefs.LightRadiusDefault);
  form.FadeInSpeed = std::to_string(prefs.FadeInSpeed);
  form.CannonRateDefault = std::to_string(prefs.CannonRateDefault);
  form.MuteMusic = prefs.MuteMusic;
  form.CenterWindow = prefs.CenterWindow;
  form.MaximizeEditor = editor.ui.window->MainWindowState() == kMaximized;
  dialog.FillPreferences(form);
  if (!dialog.RunPreferences()) return;

  const PreferencesForm chosen = dialog.ReadPreferences();
  TakeNumber(prefs.LightRadiusDefault, chosen.LightRadiusDefault);
  prefs.CenterWindow = chosen.CenterWindow;
  prefs.BorderColor = chosen.BorderColor;
  prefs.GridLight = chosen.GridLight;
  prefs.GridDark = chosen.GridDark;
  TakeNumber(prefs.FadeInSpeed, chosen.FadeInSpeed);
  TakeNumber(prefs.CannonRateDefault, chosen.CannonRateDefault);
  prefs.MuteMusic = chosen.MuteMusic;
  prefs.RandomBorderColors = chosen.RandomColors;
  const int windowState = chosen.MaximizeEditor ? kMaximized : kNormal;
  prefs.Window.WindowState = windowState;
  editor.ui.window->SetMainWindowState(windowState);
  ApplyColorScheme(editor, false);
}

}  // namespace brolt::editor
