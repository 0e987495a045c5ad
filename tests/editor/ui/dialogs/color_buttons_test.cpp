// The colour buttons of the level properties and the preferences, clicked as the designer clicks
// them: each opens the colour picker on its own colour and takes the colour chosen there.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "editor/model/commands/level_properties.h"
#include "editor/model/commands/preferences_command.h"

#include "editor/support/levels_folder_editor.h"
#include "editor/support/modal_script.h"
#include "editor/support/skinned_editor.h"
#include "editor/ui/dialogs/color_picker_window.h"
#include "editor/ui/dialogs/level_properties_window.h"
#include "editor/ui/dialogs/preferences_window.h"

namespace brolt::editor {
namespace {

struct ColorButtonsTest : ::testing::Test, testing::LevelsFolderEditor {
  ColorButtonsTest() { testing::SetTestColorScheme(editor); }

  // Clicks the button; in the picker that comes up the bars are noted and set to 200,150,120, then
  // OK or Cancel pressed. Returns the bars as the picker opened.
  std::array<int, 3> ChooseThrough(ColorButton* button, bool ok) {
    std::array<int, 3> preset{-1, -1, -1};
    testing::WhenModalShown([&](QWidget* modal) {
      auto* picker = dynamic_cast<ColorPickerWindow*>(modal);
      if (picker == nullptr) return static_cast<QDialog*>(modal)->reject();
      preset = picker->Bars();
      picker->SetBars(200, 150, 120);
      QTest::mouseClick(ok ? picker->OkButton() : picker->CancelButton(), Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return preset;
  }
};

TEST_F(ColorButtonsTest, EachLevelColourButtonPicksFromItsOwnColourAndKeepsTheChosenOne) {
  const std::array<std::string, 4> colours{"10,20,30", "40,50,60", "70,80,90", "100,110,120"};
  for (const bool ok : {true, false}) {
    for (int chosen = 0; chosen < 4; ++chosen) {
      LevelPropertiesWindow window(editor, nullptr);
      for (int i = 0; i < 4; ++i) window.ColorButtonAt(i)->SetColorText(colours[static_cast<std::size_t>(i)]);
      window.show();
      const std::array<int, 3> preset = ChooseThrough(window.ColorButtonAt(chosen), ok);
      EXPECT_EQ(preset, (std::array{10 + 30 * chosen, 20 + 30 * chosen, 30 + 30 * chosen})) << chosen;
      std::array<std::string, 4> expected = colours;
      if (ok) expected[static_cast<std::size_t>(chosen)] = "200,150,120";
      std::array<std::string, 4> shown;
      for (int i = 0; i < 4; ++i) shown[static_cast<std::size_t>(i)] = window.ColorButtonAt(i)->ColorText();
      EXPECT_EQ(shown, expected) << chosen << (ok ? " OK" : " Cancel");
    }
  }
}

// The border colour takes the grid colours with it, 75 and 165 darker; a grid colour goes alone.
TEST_F(ColorButtonsTest, EachSchemeColourButtonPicksFromItsOwnColourAndTheBorderSetsBothGrids) {
  struct Case {
    ColorButton* (PreferencesWindow::*button)() const;
    std::array<int, 3> preset;
    std::array<std::string, 3> shown;  // border, grid 1, grid 2 after OK
  };
  const Case cases[] = {
      {&PreferencesWindow::BorderButton, {90, 91, 92}, {"200,150,120", "125,75,45", "35,0,0"}},
      {&PreferencesWindow::GridLightButton, {60, 61, 62}, {"90,91,92", "200,150,120", "30,31,32"}},
      {&PreferencesWindow::GridDarkButton, {30, 31, 32}, {"90,91,92", "60,61,62", "200,150,120"}},
  };
  for (const bool ok : {true, false}) {
    for (const Case& c : cases) {
      PreferencesWindow window(editor, nullptr);
      window.BorderButton()->SetColorText("90,91,92");
      window.GridLightButton()->SetColorText("60,61,62");
      window.GridDarkButton()->SetColorText("30,31,32");
      window.show();
      EXPECT_EQ(ChooseThrough((window.*c.button)(), ok), c.preset);
      const std::array<std::string, 3> shown{window.BorderButton()->ColorText(), window.GridLightButton()->ColorText(),
                                             window.GridDarkButton()->ColorText()};
      EXPECT_EQ(shown, ok ? c.shown : (std::array<std::string, 3>{"90,91,92", "60,61,62", "30,31,32"}))
          << c.preset[0] << (ok ? " OK" : " Cancel");
    }
  }
}

// Opened by their commands, the colour buttons show the colours stored, each its own, enabled only
// while the colours are not drawn at random; OK then keeps every colour where it was.
TEST_F(ColorButtonsTest, EachColourButtonOpensOnItsOwnColourLockedWhileRandomAndOkKeepsThemAll) {
  using Shown = std::vector<std::pair<std::string, bool>>;  // each button's colour and whether it can be clicked
  const auto shownBy = [](const std::vector<ColorButton*>& buttons) {
    Shown shown;
    for (const ColorButton* button : buttons) shown.emplace_back(button->ColorText(), button->isEnabled());
    return shown;
  };
  for (const bool random : {false, true}) {
    SCOPED_TRACE(random ? "random" : "chosen");
    const std::array<std::string, 4> level = random ? std::array<std::string, 4>{"0,0,0", "0,0,0", "0,0,0", "0,0,0"}
                                                    : std::array<std::string, 4>{"10,20,30", "40,50,60", "70,80,90",
                                                                                 "100,110,120"};
    editor.level.LevelTitle = "Rock";
    editor.level.LevelColor = level;
    LevelPropertiesWindow properties(editor, nullptr);
    Shown shown;
    QTimer::singleShot(0, [&] {
      shown = shownBy({properties.ColorButtonAt(0), properties.ColorButtonAt(1), properties.ColorButtonAt(2),
                       properties.ColorButtonAt(3)});
      QTest::mouseClick(properties.OkButton(), Qt::LeftButton);
    });
    ShowLevelProperties(editor, properties);
    EXPECT_EQ(shown, (Shown{{level[0], !random}, {level[1], !random}, {level[2], !random}, {level[3], !random}}));
    EXPECT_EQ(editor.level.LevelColor, level);

    editor.prefs.BorderColor = "90,91,92";
    editor.prefs.GridLight = "60,61,62";
    editor.prefs.GridDark = "30,31,32";
    editor.prefs.RandomBorderColors = random;
    PreferencesWindow preferences(editor, nullptr);
    QTimer::singleShot(0, [&] {
      shown = shownBy({preferences.BorderButton(), preferences.GridLightButton(), preferences.GridDarkButton()});
      QTest::mouseClick(preferences.OkButton(), Qt::LeftButton);
    });
    ShowPreferences(editor, preferences);
    EXPECT_EQ(shown, (Shown{{"90,91,92", !random}, {"60,61,62", !random}, {"30,31,32", !random}}));
    EXPECT_EQ((std::array{editor.prefs.BorderColor, editor.prefs.GridLight, editor.prefs.GridDark}),
              (std::array<std::string, 3>{"90,91,92", "60,61,62", "30,31,32"}));
  }
}

}  // namespace
}  // namespace brolt::editor
