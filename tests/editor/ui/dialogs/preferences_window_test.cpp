#include "editor/ui/dialogs/preferences_window.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <tuple>

#include "editor/support/levels_folder_editor.h"
#include "editor/support/pointer_events.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/support/widget_events.h"
#include "editor/ui/main_window/main_window.h"

namespace brolt::editor {
namespace {

struct PreferencesWindowTest : ::testing::Test, testing::LevelsFolderEditor {
  PreferencesWindowTest() {
    testing::SetTestColorScheme(editor);
    window = std::make_unique<PreferencesWindow>(editor, nullptr);
  }

  // Shows the dialog for `act` to work in; the dialog is cancelled if `act` leaves it open.
  void Show(const std::function<void()>& act) {
    QTimer::singleShot(0, [this, act] {
      act();
      if (window->isVisible()) window->CancelButton()->click();
    });
    ShowPreferences(editor, *window);
  }

  std::unique_ptr<PreferencesWindow> window;
};

TEST_F(PreferencesWindowTest, AStoredValueJoinsItsListTheCannonRateIsClampedAndEnterAppliesAtOnce) {
  QLineEdit* line = window->CannonRateList()->lineEdit();
  window->CannonRateList()->setCurrentText("letters");
  QFocusEvent lost(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(line, &lost);
  EXPECT_EQ(window->CannonRateList()->currentText(), "0");

  editor.prefs.FadeInSpeed = 7;
  Show([&] {
    EXPECT_EQ(window->FadeList()->currentText(), "7");  // though not one of the list's values
    testing::Click(window->RandomBox(), {4, 4}, Qt::RightButton);
    EXPECT_FALSE(window->RandomBox()->isChecked());
    EXPECT_TRUE(testing::SaveScreenshot(*window, "preferences"));
    window->CannonRateList()->setCurrentText("150");
    window->FadeList()->setCurrentText("50");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(line, &enter);
  });
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"prefs_chooserandomcolor"}));
  EXPECT_EQ((std::array<int, 2>{editor.prefs.CannonRateDefault, editor.prefs.FadeInSpeed}), (std::array{99, 50}));
}

TEST_F(PreferencesWindowTest, TheCannonRateIsClampedWhenTheDesignerLeavesTheListForAnother) {
  Show([&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->CannonRateList()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), window->CannonRateList());
    window->CannonRateList()->setCurrentText("letters");
    window->FadeList()->setFocus();
    EXPECT_EQ(window->CannonRateList()->currentText(), "0");
  });
}

TEST_F(PreferencesWindowTest, RandomColoursShowAtOnceAndAreKeptOnlyOnOk) {
  const std::string before = editor.prefs.BorderColor;
  const std::array grid{editor.prefs.GridLight, editor.prefs.GridDark};
  for (bool ok : {false, true}) {
    std::string shown;
    Show([&] {
      window->RandomBox()->setChecked(true);
      window->RandomBox()->setChecked(false);
      EXPECT_TRUE(window->GridDarkButton()->isEnabled());
      window->RandomBox()->setChecked(true);
      shown = window->BorderButton()->ColorText();
      EXPECT_NE(shown, before);
      EXPECT_NE(window->GridLightButton()->ColorText(), grid[0]) << "all three drawn at once";
      EXPECT_NE(window->GridDarkButton()->ColorText(), grid[1]) << "all three drawn at once";
      EXPECT_FALSE(window->BorderButton()->isEnabled());
      EXPECT_EQ(editor.prefs.BorderColor, before);
      EXPECT_EQ((std::array{editor.prefs.GridLight, editor.prefs.GridDark}), grid) << "drawn, not yet taken";
      if (ok) window->OkButton()->click();
    });
    EXPECT_EQ(editor.prefs.BorderColor, ok ? shown : before) << ok;
    EXPECT_EQ(editor.prefs.RandomBorderColors, ok) << ok;
  }
}

// Every list set with the mouse to a value none of the others takes, then OK clicked: each value
// reaches its own preference.
TEST_F(PreferencesWindowTest, EachListChosenWithTheMouseSetsItsOwnPreference) {
  editor.prefs.MuteMusic = true;
  editor.prefs.CenterWindow = false;
  Show([&] {
    // The lists as they stand, top to bottom: fade-in, centre, maximise, mute, light radius, cannon rate.
    const QList<QComboBox*> lists = window->findChildren<QComboBox*>();
    ASSERT_EQ(lists.size(), 6);
    const char* chosen[] = {"20", "True", "True", "False", "12", "15"};
    for (int list = 0; list < 6; ++list) EXPECT_TRUE(testing::ChooseWithMouse(lists[list], chosen[list])) << list;
    QTest::mouseClick(window->OkButton(), Qt::LeftButton);
  });
  const Preferences& p = editor.prefs;
  EXPECT_EQ((std::tuple{p.FadeInSpeed, p.CenterWindow, p.Window.WindowState, p.MuteMusic, p.LightRadiusDefault,
                        p.CannonRateDefault}),
            (std::tuple<std::int16_t, bool, int, bool, std::int16_t, std::int16_t>{20, true, 2, false, 12, 15}));
}

// Each list opens on its stored value, so OK with nothing touched keeps every preference as it was.
TEST_F(PreferencesWindowTest, OkWithNothingChangedKeepsEachStoredValue) {
  using Values = std::tuple<std::int16_t, bool, bool, std::int16_t, std::int16_t>;
  for (const Values& stored : {Values{20, true, false, 12, 15}, Values{15, false, true, 8, 10}}) {
    Preferences& p = editor.prefs;
    std::tie(p.FadeInSpeed, p.CenterWindow, p.MuteMusic, p.LightRadiusDefault, p.CannonRateDefault) = stored;
    Show([&] { QTest::mouseClick(window->OkButton(), Qt::LeftButton); });
    EXPECT_EQ((Values{p.FadeInSpeed, p.CenterWindow, p.MuteMusic, p.LightRadiusDefault, p.CannonRateDefault}), stored);
  }
}

TEST_F(PreferencesWindowTest, MaximizeEditorShowsTheMainWindowsStateAndOkMaximisesOrRestoresItAtOnce) {
  testing::FillSyntheticCatalogue(editor.tiles);
  const TilesetPictures pictures = testing::SyntheticTileset();
  MainWindow main(editor, pictures);
  editor.ui.window = &main;
  // The window's state, the choice, and its state after OK.
  for (const auto& [maximised, choice, after] : {std::tuple{true, "False", false}, std::tuple{true, "True", true},
                                                 std::tuple{false, "True", true}}) {
    maximised ? main.showMaximized() : main.showNormal();
    Show([&] {
      EXPECT_EQ(window->MaximizeList()->currentText(), maximised ? "True" : "False");
      window->MaximizeList()->setCurrentText(choice);
      window->OkButton()->click();
    });
    EXPECT_EQ(main.isMaximized(), after) << maximised << " " << choice;
  }
}

}  // namespace
}  // namespace brolt::editor
