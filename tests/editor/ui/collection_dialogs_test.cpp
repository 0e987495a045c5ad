#include <QApplication>
#include <QMouseEvent>
#include <QElapsedTimer>
#include <QThread>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "editor/support/collection_fixture.h"
#include "editor/ui/load_dialog.h"
#include "editor/ui/save_dialog.h"

namespace brolt::editor {
namespace {

using CollectionDialogWidgets = testing::CollectionFixture;

// Waits, letting events run, until the condition holds or two seconds pass.
bool WaitFor(const std::function<bool()>& condition) {
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < 2000) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
  return condition();
}

void Mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
  QMouseEvent event(type, at, widget->mapToGlobal(at), button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, Qt::MouseButton button, QPoint at = {5, 5}) {
  Mouse(widget, QEvent::MouseButtonPress, button, at);
  Mouse(widget, QEvent::MouseButtonRelease, button, at);
}

TEST_F(CollectionDialogWidgets, EveryShowingFadesInFromTransparent) {
  WriteLevels("a.lvl", {"one"});
  editor.prefs.FadeInSpeed = 60;
  LoadDialogState state;
  ASSERT_TRUE(PrepareLoadDialog(editor, state));
  LoadDialog dialog(editor, state);
  for (int showing = 1; showing <= 2; ++showing) {
    dialog.show();
    EXPECT_FALSE(dialog.FadedIn()) << showing;
    EXPECT_DOUBLE_EQ(dialog.windowOpacity(), 0.0) << showing;
    EXPECT_TRUE(WaitFor([&] { return dialog.FadedIn(); })) << showing;
    EXPECT_DOUBLE_EQ(dialog.windowOpacity(), 1.0) << showing;
    dialog.hide();
  }
}

TEST_F(CollectionDialogWidgets, HelpLabelsAndARightClickOnCancelOpenTheirTopicAndHeadingsNothing) {
  WriteLevels("a.lvl", {"one"});
  LoadDialogState state;
  ASSERT_TRUE(PrepareLoadDialog(editor, state));
  LoadDialog dialog(editor, state);
  dialog.show();
  for (QLabel* label : dialog.findChildren<QLabel*>()) Click(label, Qt::LeftButton);
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"collectioncombo", "levels", "preview"}));

  dialogs.helpTopics.clear();
  auto* cancel = dialog.findChildren<QPushButton*>().at(1);
  ASSERT_EQ(cancel->text(), "Cancel");
  Click(cancel, Qt::RightButton);
  EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{"button_cancel"});
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(CollectionDialogWidgets, TheLoadDialogListsTheLevelsAndDrawsThePressedOne) {
  editor.tiles.TileDefs[1].Mini = 14;
  editor.tiles.TileDefs[9].Mini = 12;
  editor.prefs.BorderColor = "40,60,120";
  editor.prefs.GridDark = "20,30,60";
  editor.prefs.GridLight = "90,140,220";
  WriteLevels("a.lvl", {"one", "two"});
  LoadDialogState state;
  ASSERT_TRUE(PrepareLoadDialog(editor, state));
  LoadDialog dialog(editor, state);
  dialog.show();
  ASSERT_EQ(dialog.Levels()->count(), 2);
  EXPECT_EQ(dialog.Levels()->currentRow(), -1);
  EXPECT_TRUE(dialog.Preview()->NoDataShown());
  Click(dialog.findChildren<QPushButton*>().at(0), Qt::LeftButton);
  EXPECT_EQ(dialogs.LastMessage(), "Select a level to load.");
  // Taking the focus chooses nothing, and the first Down chooses the first level.
  QApplication::setActiveWindow(&dialog);
  dialog.Levels()->setFocus();
  EXPECT_EQ(dialog.Levels()->currentRow(), -1);
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(dialog.Levels(), &down);
  EXPECT_EQ(dialog.Levels()->currentRow(), 0);

  const QRect second = dialog.Levels()->visualItemRect(dialog.Levels()->item(1));
  Click(dialog.Levels()->viewport(), Qt::LeftButton, second.center());
  EXPECT_EQ(state.LevelIndex, 1);
  EXPECT_EQ(state.Preview.Slot, 2);
  EXPECT_FALSE(dialog.Preview()->NoDataShown());
  Click(dialog.findChildren<QPushButton*>().at(0), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(CollectionDialogWidgets, TheSaveDialogChoosesTheFreeSlotAndSuggestsTitles) {
  WriteLevels("a.lvl", {"one", "two"});
  editor.level.LevelTitle = "Mine";
  SaveDialogState state;
  ASSERT_TRUE(PrepareSaveDialog(editor, state));
  SaveDialog dialog(editor, state);
  dialog.show();
  EXPECT_EQ(dialog.Slots()->count(), 3);
  EXPECT_EQ(dialog.Slots()->currentRow(), 2);
  EXPECT_EQ(dialog.Title()->text(), "Mine");
  dialog.Slots()->setCurrentRow(0);
  EXPECT_EQ(dialog.Title()->text(), "one");
  dialogs.buttonAnswers = {2};
  Click(dialog.findChildren<QPushButton*>().at(0), Qt::LeftButton);
  EXPECT_EQ(dialogs.LastMessage(), "Overwrite 'one'?");
  EXPECT_TRUE(dialog.isVisible());
  dialog.Title()->setText("Renamed");
  Click(dialog.findChildren<QPushButton*>().at(0), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(state.Title, "Renamed");
  EXPECT_EQ(state.SlotIndex, 0);
}

}  // namespace
}  // namespace brolt::editor
