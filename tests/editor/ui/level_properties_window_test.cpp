#include "editor/ui/level_properties_window.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>

#include "editor/support/scripted_dialogs.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"

namespace brolt::editor {
namespace {

class LevelPropertiesWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.ui.dialogs = &dialogs_;
    testing::SetTestColorScheme(editor_);
    editor_.level.LevelTitle = "Rock Garden";
    editor_.level.LevelColor = {"255,255,255", "200,200,200", "173,255,173", "181,207,231"};
    editor_.level.LightRadius = 7;
    editor_.level.TimeLimit = 60;
    window_ = std::make_unique<LevelPropertiesWindow>(editor_, nullptr);
  }

  // Presses Enter in the title box once the dialog runs, and closes it with Cancel should the
  // press leave it open.
  void PressEnterWhenShown() {
    QTimer::singleShot(0, [this] {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(window_->TitleBox(), &press);
      if (window_->isVisible()) window_->CancelButton()->click();
    });
  }

  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  std::unique_ptr<LevelPropertiesWindow> window_;
};

TEST_F(LevelPropertiesWindowTest, TheBarsShowTheirValuesInTheirOwnWidths) {
  struct Case {
    int time;
    const char* value;
    const char* text;
  };
  for (const Case& c : {Case{0, "000", "(Infinite)"}, Case{60, "060", "(01:00)"}, Case{999, "999", "(16:39)"}}) {
    window_->TimeBar()->setValue(c.time);
    EXPECT_EQ(window_->TimeValue()->text(), c.value);
    EXPECT_EQ(window_->TimeText()->text(), c.text);
  }
  window_->RadiusBar()->setValue(0);
  EXPECT_EQ(window_->RadiusValue()->text(), "03");
  window_->RadiusBar()->setValue(40);
  EXPECT_EQ(window_->RadiusValue()->text(), "25");
  window_->UnidBar()->setValue(150);
  window_->CannonBar()->setValue(7);
  EXPECT_EQ(window_->UnidValue()->text(), "099");
  EXPECT_EQ(window_->CannonValue()->text(), "007");
}

TEST_F(LevelPropertiesWindowTest, TabReachesEveryBarAndTheArrowKeysMoveIt) {
  QWidget* focus = window_->TitleBox();
  std::vector<QWidget*> reached;
  for (int step = 0; step < 4; ++step) {
    focus = focus->nextInFocusChain();
    while (!(focus->focusPolicy() & Qt::TabFocus)) focus = focus->nextInFocusChain();
    reached.push_back(focus);
  }
  EXPECT_EQ(reached, (std::vector<QWidget*>{window_->TimeBar(), window_->UnidBar(), window_->CannonBar(),
                                           window_->RadiusBar()}));
  window_->show();
  const int before = window_->TimeBar()->value();
  QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QApplication::sendEvent(window_->TimeBar(), &right);
  EXPECT_EQ(window_->TimeBar()->value(), before + 1);
}

TEST_F(LevelPropertiesWindowTest, TheRandomBoxBlackensTheButtonsAndClearingBringsTheDefaults) {
  window_->ColorButtonAt(0)->SetColorText("1,2,3");
  window_->RandomBox()->setChecked(true);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(window_->ColorButtonAt(i)->ColorText(), "0,0,0");
    EXPECT_FALSE(window_->ColorButtonAt(i)->isEnabled());
  }
  window_->RandomBox()->setChecked(false);
  EXPECT_EQ(window_->ColorButtonAt(0)->ColorText(), "255,255,255");  // the colour chosen before is gone
  EXPECT_EQ(window_->ColorButtonAt(3)->ColorText(), "181,207,231");
  EXPECT_TRUE(window_->ColorButtonAt(3)->isEnabled());
}

TEST_F(LevelPropertiesWindowTest, EnterAcceptsAndTheLevelTakesTheValuesUnsaved) {
  QTimer::singleShot(0, [this] {
    window_->TitleBox()->setText("Waterfall");
    window_->TimeBar()->setValue(999);
  });
  PressEnterWhenShown();
  ShowLevelProperties(editor_, *window_);
  EXPECT_EQ(editor_.level.LevelTitle, "Waterfall");
  EXPECT_EQ(editor_.level.TimeLimit, 999);
  EXPECT_EQ(editor_.level.LightRadius, 7);
  EXPECT_FALSE(editor_.level.LevelSaved);
}

TEST_F(LevelPropertiesWindowTest, ARefusedTitleKeepsTheDialogOpen) {
  for (const char* title : {"", "   ", "UNTITLED"}) {
    QTimer::singleShot(0, [this, title] { window_->TitleBox()->setText(title); });
    PressEnterWhenShown();
    ShowLevelProperties(editor_, *window_);
    EXPECT_EQ(dialogs_.LastMessage(), "Invalid level title.") << title;
    EXPECT_EQ(editor_.level.LevelTitle, "Rock Garden") << title;
    EXPECT_TRUE(editor_.level.LevelSaved) << title;
  }
}

TEST_F(LevelPropertiesWindowTest, CancelChangesNothing) {
  QTimer::singleShot(0, [this] {
    window_->TitleBox()->setText("Other");
    window_->RandomBox()->setChecked(true);
    window_->CancelButton()->click();
  });
  ShowLevelProperties(editor_, *window_);
  EXPECT_EQ(editor_.level.LevelTitle, "Rock Garden");
  EXPECT_EQ(editor_.level.LevelColor[0], "255,255,255");
  EXPECT_TRUE(editor_.level.LevelSaved);
}

TEST_F(LevelPropertiesWindowTest, ValueLabelsAndTheRandomBoxOpenTheirHelp) {
  testing::Click(window_->TimeValue(), {2, 2});
  testing::Click(window_->RandomBox(), {2, 2}, Qt::RightButton);
  EXPECT_EQ(dialogs_.helpTopics, (std::vector<std::string>{"level_timelimit", "level_randomcolor"}));
  EXPECT_FALSE(window_->RandomBox()->isChecked());
}

TEST_F(LevelPropertiesWindowTest, KeepsAPictureOfTheDialog) {
  QTimer::singleShot(0, [this] {
    EXPECT_TRUE(testing::SaveScreenshot(*window_, "level_properties"));
    window_->CancelButton()->click();
  });
  ShowLevelProperties(editor_, *window_);
}

}  // namespace
}  // namespace brolt::editor
