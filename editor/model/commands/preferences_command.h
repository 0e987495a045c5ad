#pragma once
// The preferences command: the editor's colour scheme, dialog fade-in, window options and the
// defaults of new levels, edited in a dialog and taking effect as soon as the designer accepts it.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "editor/model/editor.h"

namespace brolt::editor {

// What the dialog shows and gives back. The numbers are the lists' texts, read back only when they
// convert, so that an empty choice keeps the preference.
struct PreferencesForm {
  std::string BorderColor;
  std::string GridLight;
  std::string GridDark;
  bool RandomColors = false;
  std::string LightRadiusDefault;
  std::string FadeInSpeed;
  std::string CannonRateDefault;
  bool MuteMusic = false;
  bool CenterWindow = false;
  bool MaximizeEditor = false;
};

// The preferences dialog as the command drives it.
class PreferencesView {
 public:
  virtual ~PreferencesView() = default;
  virtual void FillPreferences(const PreferencesForm& form) = 0;
  // Shows the dialog modally; true when the designer accepted it.
  virtual bool RunPreferences() = 0;
  virtual PreferencesForm ReadPreferences() const = 0;
};

// Fills the dialog from the preferences and the main window, shows it and, on OK, takes its values
// into the preferences, maximizes or restores the main window and applies the colours at once.
// Nothing reaches the database here.
void ShowPreferences(Editor& editor, PreferencesView& dialog);

// The two grid colours that go with a border colour: each component 75 and 165 lower, never below
// 0, as plain ColorText (grid colour 1, then grid colour 2).
std::array<std::string, 2> GridColorsForBorder(std::string_view borderColor);

// New random colours for the border, grid colour 1 and grid colour 2, drawn as at start-up but
// kept out of the preferences until the dialog is accepted.
std::array<std::string, 3> DrawRandomSchemeColors(Editor& editor);

// The cannon rate text as the list keeps it: its leading number in decimal (0 when it has none),
// held to 0..99; a fraction stays.
std::string ClampCannonRateText(std::string_view text);

// A whole text as a 16-bit number, a fraction rounded half to even; nothing for a text that is not
// a number or is out of range.
std::optional<std::int16_t> TextToInteger(std::string_view text);

}  // namespace brolt::editor
