#include "editor/ui/level_properties_window.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
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

  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  std::unique_ptr<LevelPropertiesWindow> window_;
};

TEST_F(LevelPropertiesWindowTest, TheBarsShowTheirValuesInTheirOwnWidthsWithinTheirRanges) {
  struct Case {
    QScrollBar* bar;
    int value;
    QLabel* label;
    const char* text;
  };
  for (const Case& c : {Case{window_->TimeBar(), 999, window_->TimeValue(), "999"},
                        Case{window_->TimeBar(), 60, window_->TimeText(), "(01:00)"},
                        Case{window_->RadiusBar(), 0, window_->RadiusValue(), "03"},
                        Case{window_->RadiusBar(), 40, window_->RadiusValue(), "25"},
                        Case{window_->UnidBar(), 150, window_->UnidValue(), "099"},
                        Case{window_->CannonBar(), 7, window_->CannonValue(), "007"}}) {
    c.bar->setValue(c.value);
    EXPECT_EQ(c.label->text(), c.text) << c.value;
  }
  EXPECT_TRUE(testing::SaveScreenshot(*window_, "level_properties"));
}

TEST_F(LevelPropertiesWindowTest, TabReachesEveryBarAndTheArrowKeysMoveIt) {
  QWidget* focus = window_->TitleBox();
  std::vector<QWidget*> reached;
  while (reached.size() < 4) {
    focus = focus->nextInFocusChain();
    if (focus->focusPolicy() & Qt::TabFocus) reached.push_back(focus);
  }
  EXPECT_EQ(reached, (std::vector<QWidget*>{window_->TimeBar(), window_->UnidBar(), window_->CannonBar(),
                                           window_->RadiusBar()}));
  window_->show();
  const int before = window_->TimeBar()->value();
  QTest::keyClick(window_->TimeBar(), Qt::Key_Right);
  EXPECT_EQ(window_->TimeBar()->value(), before + 1);
}

TEST_F(LevelPropertiesWindowTest, TheRandomBoxBlackensAndDisablesTheButtonsAndClearingBringsTheDefaults) {
  window_->ColorButtonAt(0)->SetColorText("1,2,3");
  window_->RandomBox()->setChecked(true);
  EXPECT_EQ(window_->ColorButtonAt(3)->ColorText(), "0,0,0");
  EXPECT_FALSE(window_->ColorButtonAt(3)->isEnabled());
  window_->RandomBox()->setChecked(false);
  EXPECT_EQ(window_->ColorButtonAt(0)->ColorText(), "255,255,255");  // the colour chosen before is gone
  EXPECT_TRUE(window_->ColorButtonAt(3)->isEnabled());
}

TEST_F(LevelPropertiesWindowTest, EnterTakesTheControlsValuesUnlessTheTitleIsRefusedAndCancelTakesNothing) {
  struct Case {
    std::string title;
    bool cancel;
    bool taken;
  };
  for (const Case& c : {Case{"   ", false, false}, Case{"Other", true, false}, Case{"Waterfall", false, true}}) {
    dialogs_.messages.clear();
    bool leftOpen = false;
    QTimer::singleShot(0, [&] {
      window_->TitleBox()->setText(QString::fromStdString(c.title));
      window_->TimeBar()->setValue(999);
      if (!c.cancel) QTest::keyClick(window_->TitleBox(), Qt::Key_Return);
      leftOpen = window_->isVisible();
      if (leftOpen) window_->CancelButton()->click();
    });
    ShowLevelProperties(editor_, *window_);
    EXPECT_EQ(leftOpen, !c.taken) << c.title;
    EXPECT_EQ(editor_.level.LevelTitle, c.taken ? c.title : "Rock Garden") << c.title;
    EXPECT_EQ(editor_.level.TimeLimit, c.taken ? 999 : 60) << c.title;
    EXPECT_EQ(editor_.level.LightRadius, 7) << c.title;
    EXPECT_EQ(editor_.level.LevelSaved, !c.taken) << c.title;
    EXPECT_EQ(dialogs_.LastMessage(), c.title == "   " ? "Invalid level title." : "") << c.title;
  }
}

TEST_F(LevelPropertiesWindowTest, ValueLabelsAndTheRandomBoxOpenTheirHelp) {
  testing::Click(window_->TimeValue(), {2, 2});
  testing::Click(window_->RandomBox(), {2, 2}, Qt::RightButton);
  EXPECT_EQ(dialogs_.helpTopics, (std::vector<std::string>{"level_timelimit", "level_randomcolor"}));
  EXPECT_FALSE(window_->RandomBox()->isChecked());
}

}  // namespace
}  // namespace brolt::editor
