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
    editor_.level.LightRadius = 7;
    editor_.level.TimeLimit = 60;
    window_ = std::make_unique<LevelPropertiesWindow>(editor_, nullptr);
  }

  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  std::unique_ptr<LevelPropertiesWindow> window_;
};

TEST_F(LevelPropertiesWindowTest, EachBarShowsItsValueAndTheRandomBoxBlackensAndLocksTheColours) {
  // In their own widths, within their ranges.
  for (const auto& [bar, value, label, text] : {std::tuple{window_->TimeBar(), 999, window_->TimeValue(), "999"},
                                                {window_->TimeBar(), 60, window_->TimeText(), "(01:00)"},
                                                {window_->RadiusBar(), 0, window_->RadiusValue(), "03"},
                                                {window_->UnidBar(), 150, window_->UnidValue(), "099"},
                                                {window_->CannonBar(), 7, window_->CannonValue(), "007"}}) {
    bar->setValue(value);
    EXPECT_EQ(label->text(), text) << value;
  }
  window_->ColorButtonAt(0)->SetColorText("1,2,3");
  window_->RandomBox()->setChecked(true);
  EXPECT_EQ(window_->ColorButtonAt(0)->ColorText(), "0,0,0");
  EXPECT_FALSE(window_->ColorButtonAt(3)->isEnabled());
  window_->RandomBox()->setChecked(false);
  EXPECT_EQ(window_->ColorButtonAt(0)->ColorText(), "255,255,255");  // the colour chosen before is gone
  EXPECT_TRUE(window_->ColorButtonAt(3)->isEnabled());
  EXPECT_TRUE(testing::SaveScreenshot(*window_, "level_properties"));
}

TEST_F(LevelPropertiesWindowTest, TabReachesEveryBarAndTheArrowKeysMoveIt) {
  std::vector<QWidget*> reached;
  for (QWidget* focus = window_->TitleBox(); reached.size() < 4;)
    if ((focus = focus->nextInFocusChain())->focusPolicy() & Qt::TabFocus) reached.push_back(focus);
  EXPECT_EQ(reached, (std::vector<QWidget*>{window_->TimeBar(), window_->UnidBar(), window_->CannonBar(),
                                           window_->RadiusBar()}));
  window_->show();
  QTest::keyClick(window_->TimeBar(), Qt::Key_Right);
  EXPECT_EQ(window_->TimeBar()->value(), 1);
}

TEST_F(LevelPropertiesWindowTest, EnterTakesTheControlsValuesUnlessTheTitleIsRefusedAndCancelTakesNothing) {
  for (const auto& [title, cancel, taken] :
       {std::tuple<std::string, bool, bool>{"   ", false, false}, {"Other", true, false}, {"Waterfall", false, true}}) {
    dialogs_.messages.clear();
    bool leftOpen = false;
    QTimer::singleShot(0, [&] {
      window_->TitleBox()->setText(QString::fromStdString(title));
      window_->TimeBar()->setValue(999);
      if (!cancel) QTest::keyClick(window_->TitleBox(), Qt::Key_Return);
      leftOpen = window_->isVisible();
      if (leftOpen) window_->CancelButton()->click();
    });
    ShowLevelProperties(editor_, *window_);
    EXPECT_EQ(leftOpen, !taken) << title;
    EXPECT_EQ(editor_.level.LevelTitle, taken ? title : "Rock Garden") << title;
    EXPECT_EQ(editor_.level.TimeLimit, taken ? 999 : 60) << title;
    EXPECT_EQ(editor_.level.LightRadius, 7) << title;
    EXPECT_EQ(dialogs_.LastMessage(), title == "   " ? "Invalid level title." : "") << title;
  }
}

}  // namespace
}  // namespace brolt::editor
