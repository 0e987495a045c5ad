#include "editor/ui/level_management_dialog.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "editor/support/levels_folder_editor.h"
#include "editor/support/widget_events.h"
#include "editor/ui/level_preview_widget.h"

namespace brolt::editor {
namespace {

using testing::LevelText;

const std::string kHolder(kHolderRecord);

class ManageDialogTest : public ::testing::Test, public testing::LevelsFolderEditor {
 protected:
  ManageDialogTest() {
    WriteRecords("Set.lvl", {LevelText("A"), kHolder, LevelText("C")});
    WriteLevels("Other.lvl", {"X"});
    editor.prefs.LevelFile = "Set.lvl";
  }
  // A new dialog on the files as they now stand.
  void Open() {
    dialog = std::make_unique<LevelManagementDialog>(editor, "");
    dialog->show();
  }
  template <typename T = QPushButton>
  T* Find(const char* name) {
    T* child = dialog->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QListWidget* Levels() { return Find<QListWidget>("txtLevels"); }
  QListWidget* Bin() { return Find<QListWidget>("txtBin"); }
  QComboBox* Collections() { return Find<QComboBox>("txtFile"); }

  std::unique_ptr<LevelManagementDialog> dialog;
};

TEST_F(ManageDialogTest, AHolderStopsDoneEscapeCloseAndAnotherCollectionUntilTheDeleteKeyRemovesIt) {
  Open();
  Find("cmdOK")->click();
  QTest::keyClick(Levels(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->close());
  testing::Press(Collections(), {5, 5});
  EXPECT_TRUE(dialog->isVisible());
  ASSERT_EQ(dialogs.messages.size(), 4u);
  EXPECT_EQ(dialogs.messages[2].text,
            "You must either fill or delete the [HOLDER] spaces before you can close level management.");
  EXPECT_EQ(dialogs.LastMessage(),
            "You must either fill or delete the [HOLDER] spaces before you can choose another level collection.");
  EXPECT_EQ(dialog->focusWidget(), Find("cmdCom5"));
  EXPECT_EQ(Collections()->currentText(), "Set.lvl");

  Levels()->setCurrentRow(1);
  QTest::keyClick(Levels(), Qt::Key_Delete);
  EXPECT_EQ(Titles("Set.lvl"), (std::vector<std::string>{"A", "C"}));
  Find("cmdOK")->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(ManageDialogTest, EachCommandButtonActsOnTheSelectedLevelAndTheListsShowTheResult) {
  const std::vector<std::string> abc{"A", "B", "C"};
  struct Case {
    const char* button;
    std::vector<std::string> after;
  };
  for (const Case& c : {Case{"cmdCom2", {"A", "Renamed", "C"}}, Case{"cmdCom3", {"A", kHolder, "C"}},
                        Case{"cmdCom4", {"A", kHolder, "B", "C"}}, Case{"cmdCom5", {"A", "C"}},
                        Case{"cmdCom6", {"B", "A", "C"}}, Case{"cmdCom7", {"A", "C", "B"}}}) {
    WriteLevels("Set.lvl", abc);
    dialogs.inputAnswers = {"Renamed"};
    Open();
    Levels()->setCurrentRow(1);
    Find(c.button)->click();
    EXPECT_EQ(Titles("Set.lvl"), c.after) << c.button;
    EXPECT_EQ(Levels()->item(1)->text().toStdString(), "002   " + c.after[1]) << c.button;
  }

  WriteLevels("Set.lvl", abc);
  Open();
  Levels()->setCurrentRow(0);
  Find("cmdCom0")->click();
  ASSERT_EQ(Bin()->count(), 1);
  EXPECT_EQ(Bin()->currentRow(), 0);
  Levels()->setCurrentRow(3);  // the free entry
  Find("cmdCom1")->click();
  EXPECT_EQ(Titles("Set.lvl"), (std::vector<std::string>{"A", "B", "C", "A"}));
  EXPECT_EQ(Bin()->count(), 0);
}

TEST_F(ManageDialogTest, TabWalksTheControlsAsTheyStandAndTheFileButtonsChooseTheCollectionTheyMake) {
  WriteLevels("Copy of Other.lvl", {"Old"});
  Open();
  QWidget* focus = Collections();
  std::vector<QString> walked;
  while (walked.size() < 7) {
    focus = focus->nextInFocusChain();
    if (focus->focusPolicy() != Qt::NoFocus) walked.push_back(focus->objectName());
  }
  EXPECT_EQ(walked, (std::vector<QString>{"cmdFileNew", "cmdFileEdit", "cmdFileCopy", "cmdFileDelete", "txtLevels",
                                         "cmdCom0", "cmdCom1"}));

  // With a level selected, Space off the list presses the button and copies no level to the bin.
  Levels()->setCurrentRow(0);
  dialogs.inputAnswers = {"Fresh"};
  QTest::keyClick(Find("cmdFileNew"), Qt::Key_Space);
  EXPECT_EQ(Collections()->currentText(), "Fresh.lvl");
  EXPECT_EQ(Bin()->count(), 0);

  Collections()->setCurrentText("Other.lvl");
  Find("cmdFileCopy")->click();  // replacing the copy there
  EXPECT_EQ(Collections()->currentText(), "Copy of Other.lvl");
  EXPECT_EQ(Levels()->item(0)->text(), "001   X");
}

TEST_F(ManageDialogTest, ARightClickOpensTheHelpOfTheControlOrOfTheListAroundIt) {
  Open();
  Levels()->setCurrentRow(0);
  testing::Click(Levels()->viewport(), {5, 5}, Qt::RightButton);
  testing::Click(Find("cmdCom0"), {5, 5}, Qt::RightButton);
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"levels", "lvlmanage0"}));
  EXPECT_EQ(Bin()->count(), 0);  // the right click did not copy
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ManageDialogTest, ThePreviewFollowsTheSlotNotTheTitle) {
  WriteRecords("Set.lvl", {LevelText("Same", 45), LevelText("Same", 46)});
  editor.tiles.TileDefs[45].Mini = 12;  // light red
  editor.tiles.TileDefs[46].Mini = 10;  // light green
  Open();
  auto* preview = Find<LevelPreviewWidget>("txtPreview");
  auto colourAtTopLeft = [&] { return preview->grab().toImage().pixelColor(1, 1); };
  EXPECT_TRUE(preview->NoDataShown());
  Levels()->setCurrentRow(0);
  EXPECT_EQ(colourAtTopLeft(), QColor(255, 0, 0));
  Levels()->setCurrentRow(1);
  EXPECT_EQ(colourAtTopLeft(), QColor(0, 255, 0));
  Levels()->setCurrentRow(2);  // the free entry
  EXPECT_TRUE(preview->NoDataShown());
}

}  // namespace
}  // namespace brolt::editor
