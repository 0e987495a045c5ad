#include "editor/model/commands/level_properties.h"

#include "common/numeric.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/model/services/colour_scheme.h"
#include "editor/model/tools/paste_mode.h"

namespace brolt::editor {
namespace {

constexpr const char* kRandomColor = "0,0,0";
constexpr std::array<const char*, 4> kDefaultLevelColors{"255,255,255", "200,200,200", "173,255,173",
                                                         "181,207,231"};

}  // namespace

std::string PlainColorText(std::string_view colour) {
  return std::to_string(GetColorComponent(colour, true, false, false).value_or(0)) + ',' +
         std::to_string(GetColorComponent(colour, false, true, false).value_or(0)) + ',' +
         std::to_string(GetColorComponent(colour, false, false, true).value_or(0));
}

std::string TimeLimitText(int seconds) {
  if (seconds == 0) return "(Infinite)";
  const int minutes = seconds / 60;
  return "(" + PadNumber(minutes, 2) + ":" + PadNumber(seconds - minutes * 60, 2) + ")";
}

void ApplyRandomColorsBox(std::array<std::string, 4>& colours, bool ticked) {
  if (ticked) {
    colours.fill(kRandomColor);
  } else if (colours[0] == kRandomColor) {
    for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = kDefaultLevelColors[i];
  }
}

void ShowLevelProperties(Editor& editor, LevelPropertiesView& dialog) {
  if (ConfirmExitPasteMode(editor)) return;
  LevelState& level = editor.level;
  LevelPropertiesForm form{level.LevelTitle, level.LightRadius, level.TimeLimit, level.UnidAward, level.CannonRate,
                           {}, false};
  for (std::size_t i = 0; i < form.Colors.size(); ++i) form.Colors[i] = PlainColorText(level.LevelColor[i]);
  form.RandomColors = form.Colors[0] == kRandomColor;
  if (form.RandomColors) ApplyRandomColorsBox(form.Colors, true);
  dialog.FillProperties(form);
  if (!dialog.RunProperties()) return;

  const LevelPropertiesForm chosen = dialog.ReadProperties();
  level.LevelTitle = chosen.Title;
  level.LightRadius = static_cast<std::int16_t>(chosen.LightRadius);
  level.LevelColor = chosen.Colors;
  level.TimeLimit = static_cast<std::int16_t>(chosen.TimeLimit);
  level.UnidAward = static_cast<std::int16_t>(chosen.UnidAward);
  level.CannonRate = static_cast<std::int16_t>(chosen.CannonRate);
  UpdateLevelCaption(editor);
  level.LevelSaved = false;
}

}  // namespace brolt::editor
