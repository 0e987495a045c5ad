#include "editor/ui/preferences_window.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <functional>

#include "editor/support/scripted_dialogs.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/support/widget_events.h"
#include "editor/ui/main_window.h"

namespace brolt::editor {
namespace {

class PreferencesWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.ui.dialogs = &dialogs_;
    testing::SetTestColorScheme(editor_);
    editor_.prefs.CannonRateDefault = 4;
    window_ = std::make_unique<PreferencesWindow>(editor_, nullptr);
  }

  // Shows the dialog for `act` to work in; the dialog is cancelled if `act` leaves it open.
  void Show(const std::function<void()>& act) {
    QTimer::singleShot(0, [this, act] {
      act();
      if (window_->isVisible()) window_->CancelButton()->click();
    });
    ShowPreferences(editor_, *window_);
  }

  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  std::unique_ptr<PreferencesWindow> window_;
};

TEST_F(PreferencesWindowTest, AStoredValueJoinsItsListTheCannonRateIsClampedAndEnterAppliesAtOnce) {
  QLineEdit* line = window_->CannonRateList()->lineEdit();
  window_->CannonRateList()->setCurrentText("letters");
  QFocusEvent lost(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(line, &lost);
  EXPECT_EQ(window_->CannonRateList()->currentText(), "0");

  editor_.prefs.FadeInSpeed = 7;
  Show([&] {
    EXPECT_EQ(window_->FadeList()->currentText(), "7");  // though not one of the list's values
    testing::Click(window_->RandomBox(), {4, 4}, Qt::RightButton);
    EXPECT_FALSE(window_->RandomBox()->isChecked());
    EXPECT_TRUE(testing::SaveScreenshot(*window_, "preferences"));
    window_->CannonRateList()->setCurrentText("150");
    window_->FadeList()->setCurrentText("50");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(line, &enter);
  });
  EXPECT_EQ(dialogs_.helpTopics, (std::vector<std::string>{"prefs_chooserandomcolor"}));
  EXPECT_EQ((std::array<int, 2>{editor_.prefs.CannonRateDefault, editor_.prefs.FadeInSpeed}), (std::array{99, 50}));
}

TEST_F(PreferencesWindowTest, RandomColoursShowAtOnceAndAreKeptOnlyOnOk) {
  const std::string before = editor_.prefs.BorderColor;
  for (bool ok : {false, true}) {
    std::string shown;
    Show([&] {
      window_->RandomBox()->setChecked(true);
      window_->RandomBox()->setChecked(false);
      EXPECT_TRUE(window_->GridDarkButton()->isEnabled());
      window_->RandomBox()->setChecked(true);
      shown = window_->BorderButton()->ColorText();
      EXPECT_NE(shown, before);
      EXPECT_FALSE(window_->BorderButton()->isEnabled());
      EXPECT_EQ(editor_.prefs.BorderColor, before);
      if (ok) window_->OkButton()->click();
    });
    EXPECT_EQ(editor_.prefs.BorderColor, ok ? shown : before) << ok;
    EXPECT_EQ(editor_.prefs.RandomBorderColors, ok) << ok;
  }
}

TEST_F(PreferencesWindowTest, MaximizeEditorShowsTheMainWindowsStateAndOkMaximisesOrRestoresItAtOnce) {
  testing::FillSyntheticCatalogue(editor_.tiles);
  const TilesetPictures pictures = testing::SyntheticTileset();
  MainWindow main(editor_, pictures);
  editor_.ui.window = &main;
  // The window's state, the choice, and its state after OK.
  for (const auto& [maximised, choice, after] : {std::tuple{true, "False", false}, std::tuple{true, "True", true},
                                                 std::tuple{false, "True", true}}) {
    maximised ? main.showMaximized() : main.showNormal();
    Show([&] {
      EXPECT_EQ(window_->MaximizeList()->currentText(), maximised ? "True" : "False");
      window_->MaximizeList()->setCurrentText(choice);
      window_->OkButton()->click();
    });
    EXPECT_EQ(main.isMaximized(), after) << maximised << " " << choice;
  }
}

}  // namespace
}  // namespace brolt::editor
