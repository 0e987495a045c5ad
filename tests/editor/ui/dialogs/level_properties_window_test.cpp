#include "editor/ui/dialogs/level_properties_window.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "editor/support/levels_folder_editor.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"

namespace brolt::editor {
namespace {

struct LevelPropertiesWindowTest : ::testing::Test, testing::LevelsFolderEditor {
  LevelPropertiesWindowTest() {
    testing::SetTestColorScheme(editor);
    editor.level.LevelTitle = "Rock Garden";
    editor.level.LightRadius = 7;
    editor.level.TimeLimit = 60;
    window = std::make_unique<LevelPropertiesWindow>(editor, nullptr);
  }

  std::unique_ptr<LevelPropertiesWindow> window;
};

TEST_F(LevelPropertiesWindowTest, EachBarShowsItsValueAndTheRandomBoxBlackensAndLocksTheColours) {
  // In their own widths, within their ranges.
  for (const auto& [bar, value, label, text] : {std::tuple{window->TimeBar(), 999, window->TimeValue(), "999"},
                                                {window->TimeBar(), 60, window->TimeText(), "(01:00)"},
                                                {window->RadiusBar(), 0, window->RadiusValue(), "03"},
                                                {window->RadiusBar(), 40, window->RadiusValue(), "25"},
                                                {window->UnidBar(), 150, window->UnidValue(), "099"},
                                                {window->CannonBar(), 7, window->CannonValue(), "007"}}) {
    bar->setValue(value);
    EXPECT_EQ(label->text(), text) << value;
  }
  window->ColorButtonAt(0)->SetColorText("1,2,3");
  window->RandomBox()->setChecked(true);
  EXPECT_EQ(window->ColorButtonAt(0)->ColorText(), "0,0,0");
  EXPECT_EQ(window->ColorButtonAt(3)->ColorText(), "0,0,0");
  EXPECT_FALSE(window->ColorButtonAt(3)->isEnabled());
  window->RandomBox()->setChecked(false);
  EXPECT_EQ(window->ColorButtonAt(0)->ColorText(), "255,255,255");  // the colour chosen before is gone
  EXPECT_TRUE(window->ColorButtonAt(3)->isEnabled());
  EXPECT_TRUE(testing::SaveScreenshot(*window, "level_properties"));
}

TEST_F(LevelPropertiesWindowTest, TabReachesEveryBarAndTheArrowKeysMoveIt) {
  std::vector<QWidget*> reached;
  for (QWidget* focus = window->TitleBox(); reached.size() < 4;)
    if ((focus = focus->nextInFocusChain())->focusPolicy() & Qt::TabFocus) reached.push_back(focus);
  EXPECT_EQ(reached, (std::vector<QWidget*>{window->TimeBar(), window->UnidBar(), window->CannonBar(),
                                           window->RadiusBar()}));
  window->show();
  QTest::keyClick(window->TimeBar(), Qt::Key_Right);
  EXPECT_EQ(window->TimeBar()->value(), 1);
  // One press, one move: from the middle, each key by its own step and no further.
  QScrollBar* bar = window->TimeBar();
  const int middle = (bar->minimum() + bar->maximum()) / 2;
  const std::pair<Qt::Key, int> moves[] = {{Qt::Key_Right, middle + 1},  {Qt::Key_Up, middle + 1},
                                           {Qt::Key_Left, middle - 1},   {Qt::Key_Down, middle - 1},
                                           {Qt::Key_PageDown, middle + bar->pageStep()},
                                           {Qt::Key_PageUp, middle - bar->pageStep()},
                                           {Qt::Key_Home, bar->minimum()}, {Qt::Key_End, bar->maximum()}};
  for (const auto& [key, moved] : moves) {
    bar->setValue(middle);
    QTest::keyClick(bar, key);
    EXPECT_EQ(bar->value(), moved) << QKeySequence(key).toString().toStdString();
  }
}

TEST_F(LevelPropertiesWindowTest, EnterTakesTheControlsValuesUnlessTheTitleIsRefusedAndCancelTakesNothing) {
  for (const auto& [title, cancel, taken] :
       {std::tuple<std::string, bool, bool>{"   ", false, false}, {"Other", true, false}, {"Waterfall", false, true}}) {
    dialogs.messages.clear();
    bool leftOpen = false;
    QTimer::singleShot(0, [&] {
      window->TitleBox()->setText(QString::fromStdString(title));
      window->TimeBar()->setValue(999);
      window->RadiusBar()->setValue(40);
      if (!cancel) QTest::keyClick(window->TitleBox(), Qt::Key_Return);
      leftOpen = window->isVisible();
      if (leftOpen) window->CancelButton()->click();
    });
    ShowLevelProperties(editor, *window);
    EXPECT_EQ(leftOpen, !taken) << title;
    EXPECT_EQ(editor.level.LevelTitle, taken ? title : "Rock Garden") << title;
    EXPECT_EQ(editor.level.TimeLimit, taken ? 999 : 60) << title;
    EXPECT_EQ(editor.level.LightRadius, taken ? 25 : 7) << title;
    EXPECT_EQ(dialogs.LastMessage(), title == "   " ? "Invalid level title." : "") << title;
  }
}

// Each number is read from its own field into its own bar and, after Enter, back into that field
// only: every value differs from the others, before and after, so a crossed pair shows.
TEST_F(LevelPropertiesWindowTest, EachNumberTravelsBetweenItsOwnFieldAndItsOwnBar) {
  struct Number {
    const char* name;
    std::int16_t LevelState::*field;
    QScrollBar* bar;
    int stored;
    int chosen;
  };
  const std::vector<Number> numbers{{"time limit", &LevelState::TimeLimit, window->TimeBar(), 60, 321},
                                    {"unid award", &LevelState::UnidAward, window->UnidBar(), 5, 17},
                                    {"cannon rate", &LevelState::CannonRate, window->CannonBar(), 9, 42},
                                    {"light radius", &LevelState::LightRadius, window->RadiusBar(), 7, 11}};
  for (const Number& number : numbers) editor.level.*number.field = static_cast<std::int16_t>(number.stored);
  std::vector<int> shown;
  QTimer::singleShot(0, [&] {
    for (const Number& number : numbers) {
      shown.push_back(number.bar->value());
      number.bar->setValue(number.chosen);
    }
    QTest::keyClick(window->TitleBox(), Qt::Key_Return);
    if (window->isVisible()) window->CancelButton()->click();  // a failure, not a hang
  });
  ShowLevelProperties(editor, *window);
  ASSERT_EQ(shown.size(), numbers.size());
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    EXPECT_EQ(shown[i], numbers[i].stored) << numbers[i].name << " shown on opening";
    EXPECT_EQ(editor.level.*numbers[i].field, numbers[i].chosen) << numbers[i].name << " taken by Enter";
  }
}

TEST_F(LevelPropertiesWindowTest, ValueLabelsAndTheRandomBoxOpenTheirHelp) {
  testing::Click(window->TimeValue(), {2, 2});
  testing::Click(window->RandomBox(), {2, 2}, Qt::RightButton);
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"level_timelimit", "level_randomcolor"}));
  EXPECT_FALSE(window->RandomBox()->isChecked());
}

}  // namespace
}  // namespace brolt::editor
