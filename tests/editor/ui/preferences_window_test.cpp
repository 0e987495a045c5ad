#include "editor/ui/preferences_window.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "editor/support/scripted_dialogs.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"

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

  void PressEnterIn(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
  }

  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  std::unique_ptr<PreferencesWindow> window_;
};

TEST_F(PreferencesWindowTest, TheCannonRateIsClampedWhenItsListLosesTheFocus) {
  struct Case {
    const char* typed;
    const char* kept;
  };
  for (const Case& c : {Case{"150", "99"}, Case{"letters", "0"}, Case{"-3", "0"}, Case{"12s", "12"}}) {
    window_->CannonRateList()->setCurrentText(c.typed);
    QFocusEvent lost(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(window_->CannonRateList()->lineEdit(), &lost);
    EXPECT_EQ(window_->CannonRateList()->currentText(), c.kept) << c.typed;
  }
}

TEST_F(PreferencesWindowTest, EnterClampsTheCannonRateAndAppliesAtOnce) {
  QTimer::singleShot(0, [this] {
    window_->CannonRateList()->setCurrentText("150");
    window_->FadeList()->setCurrentText("50");
    PressEnterIn(window_->CannonRateList()->lineEdit());
    if (window_->isVisible()) window_->CancelButton()->click();
  });
  ShowPreferences(editor_, *window_);
  EXPECT_EQ(editor_.prefs.CannonRateDefault, 99);
  EXPECT_EQ(editor_.prefs.FadeInSpeed, 50);
}

TEST_F(PreferencesWindowTest, AStoredValueMissingFromItsListJoinsIt) {
  editor_.prefs.FadeInSpeed = 7;
  QTimer::singleShot(0, [this] {
    EXPECT_EQ(window_->FadeList()->currentText(), "7");
    window_->OkButton()->click();
  });
  ShowPreferences(editor_, *window_);
  EXPECT_EQ(editor_.prefs.FadeInSpeed, 7);
}

TEST_F(PreferencesWindowTest, RandomColoursShowAtOnceButCancelKeepsThePreferences) {
  const Preferences before = editor_.prefs;
  QTimer::singleShot(0, [this, &before] {
    window_->RandomBox()->setChecked(true);
    EXPECT_NE(window_->BorderButton()->ColorText(), before.BorderColor);
    EXPECT_FALSE(window_->BorderButton()->isEnabled());
    EXPECT_EQ(editor_.prefs.BorderColor, before.BorderColor);
    window_->RandomBox()->setChecked(false);
    EXPECT_TRUE(window_->GridDarkButton()->isEnabled());
    window_->CancelButton()->click();
  });
  ShowPreferences(editor_, *window_);
  EXPECT_EQ(editor_.prefs.BorderColor, before.BorderColor);
  EXPECT_EQ(editor_.prefs.GridLight, before.GridLight);
  EXPECT_EQ(editor_.prefs.GridDark, before.GridDark);
}

TEST_F(PreferencesWindowTest, RandomColoursTickedAreAppliedOnOk) {
  std::string shown;
  QTimer::singleShot(0, [this, &shown] {
    window_->RandomBox()->setChecked(true);
    shown = window_->BorderButton()->ColorText();
    window_->OkButton()->click();
  });
  ShowPreferences(editor_, *window_);
  EXPECT_EQ(editor_.prefs.BorderColor, shown);
  EXPECT_TRUE(editor_.prefs.RandomBorderColors);
}

TEST_F(PreferencesWindowTest, ARightClickOnTheRandomBoxOpensItsHelpOnly) {
  testing::Click(window_->RandomBox(), {4, 4}, Qt::RightButton);
  EXPECT_EQ(dialogs_.helpTopics, (std::vector<std::string>{"prefs_chooserandomcolor"}));
  EXPECT_FALSE(window_->RandomBox()->isChecked());
}

TEST_F(PreferencesWindowTest, KeepsAPictureOfTheDialog) {
  QTimer::singleShot(0, [this] {
    EXPECT_TRUE(testing::SaveScreenshot(*window_, "preferences"));
    window_->CancelButton()->click();
  });
  ShowPreferences(editor_, *window_);
}

}  // namespace
}  // namespace brolt::editor
