#pragma once
// The level properties command: the level's title, time limit, unid award, cannon rate, light
// radius and colours, edited in a dialog and taken back only when the designer accepts it.
#include <array>
#include <string>
#include <string_view>

#include "editor/model/editor.h"

namespace brolt::editor {

// The bars' ranges.
constexpr int kMaxTimeLimit = 999;
constexpr int kMaxUnidAward = 99;
constexpr int kMaxCannonRate = 99;
constexpr int kMinLightRadius = 3;
constexpr int kMaxLightRadius = 25;
constexpr int kMaxLevelTitleLength = 29;

// What the dialog shows and gives back.
struct LevelPropertiesForm {
  std::string Title;
  int LightRadius = 0;
  int TimeLimit = 0;  // seconds, 0 = no limit
  int UnidAward = 0;
  int CannonRate = 0;
  std::array<std::string, 4> Colors;  // as ColorText
  bool RandomColors = false;
};

// The level properties dialog as the command drives it.
class LevelPropertiesView {
 public:
  virtual ~LevelPropertiesView() = default;
  virtual void FillProperties(const LevelPropertiesForm& form) = 0;
  // Shows the dialog modally; true when the designer accepted it.
  virtual bool RunProperties() = 0;
  virtual LevelPropertiesForm ReadProperties() const = 0;
};

// Fills the dialog from the level, shows it and, on OK, takes its values into the level and marks
// the level unsaved. Records no undo step: the map does not change.
void ShowLevelProperties(Editor& editor, LevelPropertiesView& dialog);

// The time limit as the dialog spells it beside its bar: "(Infinite)" for no limit, else minutes
// and seconds such as "(01:00)".
std::string TimeLimitText(int seconds);

// The random colour box's rule: ticked, the four colours become "0,0,0", the level's random
// colours; cleared, the four defaults come back while the first colour still reads "0,0,0".
void ApplyRandomColorsBox(std::array<std::string, 4>& colours, bool ticked);

// A ColorText in its plain form: the three components' values in decimal, without padding.
std::string PlainColorText(std::string_view colour);

}  // namespace brolt::editor
