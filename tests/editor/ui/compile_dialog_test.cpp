#include "editor/ui/compile_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "editor/support/levels_folder_editor.h"

namespace brolt::editor {
namespace {

// Collections of `count` levels each, offered by the dialog with the first one chosen.
class CompileDialogTest : public ::testing::Test, public testing::LevelsFolderEditor {
 protected:
  void Offer(const std::vector<std::pair<std::string, int>>& collections) {
    for (const auto& [name, count] : collections) {
      WriteRecords(name, std::vector<std::string>(static_cast<std::size_t>(count), testing::LevelText("Level")));
      choices.files.push_back(name);
    }
    choices.file = choices.files.front();
  }
  CompileChoices choices;
};

TEST_F(CompileDialogTest, ChoosingACollectionPresetsTheOpenCountAndCountsItsRecords) {
  struct Case {
    std::string file;
    int count;
    QString preset;
  };
  const Case cases[] = {{"Three.lvl", 3, "1"}, {"Seven.lvl", 7, "3"}, {"Twelve.lvl", 12, "5"}, {"Five.lvl", 5, "5"}};
  for (const Case& c : cases) Offer({{c.file, c.count}});
  CompileDialog dialog(editor, choices);
  auto* count = dialog.findChild<QComboBox*>("txtLevs");
  for (const Case& c : cases) {
    dialog.findChild<QComboBox*>("txtFile")->setCurrentText(QString::fromStdString(c.file));
    EXPECT_EQ(count->currentText(), c.preset) << c.file;
    EXPECT_EQ(count->count(), c.count) << c.file;
    EXPECT_EQ(dialog.findChild<QLabel*>("labCount")->text(), QString("available levels. (%1 total)").arg(c.count));
  }
}

TEST_F(CompileDialogTest, EnterInTheCountCompilesWithTheCountClamped) {
  Offer({{"Twelve.lvl", 12}});
  for (const auto& [typed, expected] : {std::pair{"40", 12}, std::pair{"abc", 1}, std::pair{"7", 7}}) {
    CompileDialog dialog(editor, choices);
    dialog.show();
    QLineEdit* line = dialog.findChild<QComboBox*>("txtLevs")->lineEdit();
    line->setText(typed);
    line->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(line, &enter);
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << typed;
    EXPECT_EQ(choices.openLevels, expected) << typed;
  }
}

TEST_F(CompileDialogTest, APastedLineBreakBecomesASpaceATypedOneNeverGetsInAndEnterInATagCompiles) {
  Offer({{"Set.lvl", 2}});
  QApplication::clipboard()->setText("first\r\nsecond\nthird");
  for (const std::string* typed : {&choices.introduction, &choices.congratulations}) {
    CompileDialog dialog(editor, choices);
    dialog.show();
    auto* tag = dialog.findChild<QPlainTextEdit*>(typed == &choices.introduction ? "txtCmnts" : "txtCongrats");
    QTest::keyClick(tag, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(tag, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(tag, Qt::Key_Enter, Qt::KeypadModifier);  // Compile takes the tags
    EXPECT_EQ(*typed, "First Second Third");
  }
}

TEST_F(CompileDialogTest, TheDialogStaysOpenWhenReplacingTheCompiledFileIsRefused) {
  Offer({{"Set.lvl", 2}});
  WriteRecords("Set.clvl", {testing::LevelText("Level")});
  CompileDialog dialog(editor, choices);
  dialog.show();
  dialogs.buttonAnswers = {2, 1};
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialogs.LastMessage(), "Overwrite the existing compiled level collection file?");
  dialog.accept();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace brolt::editor
