#include "editor/ui/compile_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "editor/support/levels_folder_editor.h"

namespace brolt::editor {
namespace {

using testing::LevelsFolderEditor;
using testing::LevelText;

class CompileDialogTest : public ::testing::Test, public LevelsFolderEditor {
 protected:
  void WriteCount(const std::string& name, int count) {
    WriteRecords(name, std::vector<std::string>(static_cast<std::size_t>(count), LevelText("Level")));
  }
  CompileChoices choices;
};

void PressEnter(QWidget* widget) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

TEST_F(CompileDialogTest, ChoosingACollectionPresetsTheOpenCountAndCountsItsRecords) {
  struct Case {
    std::string file;
    int count;
    QString preset;
  };
  const Case cases[] = {{"Three.lvl", 3, "1"}, {"Seven.lvl", 7, "3"}, {"Twelve.lvl", 12, "5"}, {"Five.lvl", 5, "5"}};
  for (const Case& c : cases) {
    WriteCount(c.file, c.count);
    choices.files.push_back(c.file);
  }
  choices.file = "Three.lvl";
  CompileDialog dialog(editor, choices);
  auto* file = dialog.findChild<QComboBox*>("txtFile");
  auto* count = dialog.findChild<QComboBox*>("txtLevs");
  for (const Case& c : cases) {
    file->setCurrentText(QString::fromStdString(c.file));
    EXPECT_EQ(count->currentText(), c.preset) << c.file;
    EXPECT_EQ(count->count(), c.count);
    EXPECT_EQ(dialog.findChild<QLabel*>("labCount")->text(), QString("available levels. (%1 total)").arg(c.count));
  }
}

TEST_F(CompileDialogTest, TheCountIsClampedAlsoWhenEnterPressesCompile) {
  WriteCount("Twelve.lvl", 12);
  choices.files = {"Twelve.lvl"};
  choices.file = "Twelve.lvl";
  for (const auto& [typed, expected] : {std::pair{"40", 12}, std::pair{"0", 1}, std::pair{"-4", 1},
                                        std::pair{"abc", 1}, std::pair{"7", 7}}) {
    CompileDialog dialog(editor, choices);
    dialog.show();
    auto* count = dialog.findChild<QComboBox*>("txtLevs");
    count->lineEdit()->setText(typed);
    count->lineEdit()->setFocus();
    PressEnter(count->lineEdit());
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << typed;
    EXPECT_EQ(choices.openLevels, expected) << typed;
  }
}

TEST_F(CompileDialogTest, AnExistingCompiledFileIsReplacedOnlyAfterYes) {
  WriteCount("Set.lvl", 2);
  WriteCount("Set.clvl", 2);
  choices.files = {"Set.lvl"};
  choices.file = "Set.lvl";
  CompileDialog dialog(editor, choices);
  dialog.show();
  dialogs.buttonAnswers = {2};
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialogs.LastMessage(), "Overwrite the existing compiled level collection file?");
  dialogs.buttonAnswers = {1};
  dialog.accept();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace brolt::editor
