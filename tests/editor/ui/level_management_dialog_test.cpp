#include "editor/ui/level_management_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include "editor/support/levels_folder_editor.h"
#include "editor/ui/level_preview_widget.h"

namespace brolt::editor {
namespace {

using testing::LevelsFolderEditor;
using testing::LevelText;

const std::string kHolder(kHolderRecord);

class ManageDialogTest : public ::testing::Test, public LevelsFolderEditor {
 protected:
  ManageDialogTest() {
    WriteRecords("Set.lvl", {LevelText("A"), kHolder, LevelText("C")});
    WriteLevels("Other.lvl", {"X"});
    editor.prefs.LevelFile = "Set.lvl";
  }
  template <typename T>
  T* Find(QDialog& dialog, const char* name) {
    T* child = dialog.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  void Click(QDialog& dialog, const char* button) { Find<QPushButton>(dialog, button)->click(); }
  void Key(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
  }
};

TEST_F(ManageDialogTest, AHolderKeepsTheDialogOpenOnDoneEscapeAndClose) {
  LevelManagementDialog dialog(editor, "");
  dialog.show();
  ASSERT_EQ(Find<QComboBox>(dialog, "txtFile")->currentText(), "Set.lvl");
  const std::string guard = "You must either fill or delete the [HOLDER] spaces before you can close level management.";

  Click(dialog, "cmdOK");
  EXPECT_TRUE(dialog.isVisible());
  Key(Find<QListWidget>(dialog, "txtLevels"), Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.close());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.LastMessage(), guard);

  // The holder space removed (the Delete key), Done closes.
  auto* levels = Find<QListWidget>(dialog, "txtLevels");
  levels->setCurrentRow(1);
  Key(levels, Qt::Key_Delete);
  EXPECT_EQ(Titles("Set.lvl"), (std::vector<std::string>{"A", "C"}));
  Click(dialog, "cmdOK");
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ManageDialogTest, ChoosingAnotherCollectionWithAHolderListedIsStopped) {
  LevelManagementDialog dialog(editor, "");
  dialog.show();
  auto* collections = Find<QComboBox>(dialog, "txtFile");
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), collections->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(collections, &press);
  EXPECT_EQ(dialogs.LastMessage(),
            "You must either fill or delete the [HOLDER] spaces before you can choose another level collection.");
  EXPECT_EQ(dialog.focusWidget(), Find<QPushButton>(dialog, "cmdCom5"));
  EXPECT_EQ(collections->currentText(), "Set.lvl");
}

TEST_F(ManageDialogTest, WithALevelOfTheCollectionOpenTheInPlaceCommandsRefuseAndTheOthersWork) {
  WriteLevels("Set.lvl", {"A", "B"});
  editor.level.LevelTitle = "Mine";
  LevelManagementDialog dialog(editor, "");
  dialog.show();
  auto* levels = Find<QListWidget>(dialog, "txtLevels");
  const std::string conflict = "Close the level in the editor before managing the same collection file.";
  for (const char* button : {"cmdCom3", "cmdCom4", "cmdCom5", "cmdCom6", "cmdCom7"}) {
    dialogs.messages.clear();
    levels->setCurrentRow(1);
    Click(dialog, button);
    EXPECT_EQ(dialogs.LastMessage(), conflict) << button;
  }
  EXPECT_EQ(Titles("Set.lvl"), (std::vector<std::string>{"A", "B"}));

  dialogs.messages.clear();
  levels->setCurrentRow(0);
  Click(dialog, "cmdCom0");  // copy level A to the bin
  auto* bin = Find<QListWidget>(dialog, "txtBin");
  ASSERT_EQ(bin->count(), 1);
  EXPECT_EQ(bin->currentRow(), 0);
  levels->setCurrentRow(2);  // the free entry
  Click(dialog, "cmdCom1");
  dialogs.inputAnswers = {"Renamed"};
  levels->setCurrentRow(1);
  Click(dialog, "cmdCom2");
  EXPECT_EQ(Titles("Set.lvl"), (std::vector<std::string>{"A", "Renamed", "A"}));
  EXPECT_EQ(bin->count(), 0);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(levels->count(), 4);
  EXPECT_EQ(levels->item(1)->text(), "002   Renamed");
}

TEST_F(ManageDialogTest, TabWalksTheControlsAsTheyStandAndSpaceOffTheListPressesTheFocusedButton) {
  LevelManagementDialog dialog(editor, "");
  dialog.show();
  QWidget* focus = Find<QComboBox>(dialog, "txtFile");
  std::vector<QString> walked;
  for (int step = 0; step < 7; ++step) {
    focus = focus->nextInFocusChain();
    while (focus->focusPolicy() == Qt::NoFocus) focus = focus->nextInFocusChain();
    walked.push_back(focus->objectName());
  }
  EXPECT_EQ(walked, (std::vector<QString>{"cmdFileNew", "cmdFileEdit", "cmdFileCopy", "cmdFileDelete", "txtLevels",
                                         "cmdCom0", "cmdCom1"}));

  // A level selected, Space on the New button makes a collection and copies no level to the bin.
  Find<QListWidget>(dialog, "txtLevels")->setCurrentRow(0);
  dialogs.inputAnswers = {"Fresh"};
  Key(Find<QPushButton>(dialog, "cmdFileNew"), Qt::Key_Space);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
  QApplication::sendEvent(Find<QPushButton>(dialog, "cmdFileNew"), &release);
  EXPECT_EQ(Find<QComboBox>(dialog, "txtFile")->currentText(), "Fresh.lvl");
  EXPECT_EQ(Find<QListWidget>(dialog, "txtBin")->count(), 0);
}

TEST_F(ManageDialogTest, CopyAsksBeforeReplacingAnExistingCopy) {
  WriteLevels("Copy of Other.lvl", {"Old"});
  LevelManagementDialog dialog(editor, "");
  auto* collections = Find<QComboBox>(dialog, "txtFile");
  collections->setCurrentText("Other.lvl");
  dialogs.buttonAnswers = {2};
  Click(dialog, "cmdFileCopy");
  EXPECT_EQ(dialogs.LastMessage(), "'Copy of Other.lvl' already exists. Replace it?");
  EXPECT_EQ(Titles("Copy of Other.lvl"), std::vector<std::string>{"Old"});
  EXPECT_EQ(collections->currentText(), "Other.lvl");

  dialogs.buttonAnswers = {1};
  Click(dialog, "cmdFileCopy");
  EXPECT_EQ(Titles("Copy of Other.lvl"), std::vector<std::string>{"X"});
  EXPECT_EQ(collections->currentText(), "Copy of Other.lvl");
  EXPECT_EQ(Find<QListWidget>(dialog, "txtLevels")->item(0)->text(), "001   X");
}

TEST_F(ManageDialogTest, ARightClickOpensTheHelpOfTheControlOrOfTheListAroundIt) {
  LevelManagementDialog dialog(editor, "");
  dialog.show();
  auto* levels = Find<QListWidget>(dialog, "txtLevels");
  levels->setCurrentRow(0);
  struct Case {
    QWidget* widget;
    const char* topic;
  };
  for (const Case& c : {Case{levels->viewport(), "levels"}, Case{Find<QListWidget>(dialog, "txtBin")->viewport(), "clipboard"},
                        Case{Find<QPushButton>(dialog, "cmdCom0"), "lvlmanage0"},
                        Case{Find<QPushButton>(dialog, "cmdOK"), "button_ok"}}) {
    dialogs.helpTopics.clear();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, QPointF(5, 5), c.widget->mapToGlobal(QPointF(5, 5)), Qt::RightButton,
                        type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(c.widget, &event);
    }
    EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{c.topic}) << c.topic;
  }
  EXPECT_EQ(Find<QListWidget>(dialog, "txtBin")->count(), 0);  // the right click did not copy
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ManageDialogTest, ThePreviewFollowsTheSlotNotTheTitle) {
  WriteRecords("Set.lvl", {LevelText("Same", 45), LevelText("Same", 46)});
  editor.tiles.TileDefs[45].Mini = 12;  // light red
  editor.tiles.TileDefs[46].Mini = 10;  // light green
  LevelManagementDialog dialog(editor, "");
  dialog.show();
  auto* levels = Find<QListWidget>(dialog, "txtLevels");
  auto* preview = Find<LevelPreviewWidget>(dialog, "txtPreview");
  auto colourAtTopLeft = [&] { return preview->grab().toImage().pixelColor(1, 1); };
  EXPECT_TRUE(preview->NoDataShown());
  levels->setCurrentRow(0);
  EXPECT_EQ(colourAtTopLeft(), QColor(255, 0, 0));
  EXPECT_FALSE(preview->NoDataShown());
  levels->setCurrentRow(1);
  EXPECT_EQ(colourAtTopLeft(), QColor(0, 255, 0));
  levels->setCurrentRow(2);  // the free entry
  EXPECT_TRUE(preview->NoDataShown());
}

}  // namespace
}  // namespace brolt::editor
