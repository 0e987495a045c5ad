#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "editor/support/collection_fixture.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"
#include "editor/ui/compile_dialog.h"
#include "editor/ui/level_properties_window.h"
#include "editor/ui/load_dialog.h"
#include "editor/ui/save_dialog.h"

namespace brolt::editor {
namespace {

using testing::Click;

struct CollectionDialogWidgets : testing::CollectionFixture {
  // A light border colour: the labels stand on the darker panels and stay readable.
  CollectionDialogWidgets() {
    testing::SetTestColorScheme(editor);
    editor.prefs.BorderColor = "230,230,230";
  }
  // A load dialog on a collection of levels with these titles.
  std::unique_ptr<LoadDialog> OpenLoad(const std::vector<std::string>& titles) {
    WriteLevels("a.lvl", titles);
    EXPECT_TRUE(PrepareLoadDialog(editor, loading));
    return std::make_unique<LoadDialog>(editor, loading);
  }
  // The dialog's first button: Load or Save.
  static QPushButton* OkButton(QDialog& dialog) { return dialog.findChildren<QPushButton*>().at(0); }

  LoadDialogState loading;
};

TEST_F(CollectionDialogWidgets, EveryShowingFadesInFromTransparent) {
  editor.prefs.FadeInSpeed = 60;
  const auto dialog = OpenLoad({"one"});
  for (int showing = 1; showing <= 2; ++showing) {
    dialog->show();
    EXPECT_FALSE(dialog->FadedIn()) << showing;
    EXPECT_DOUBLE_EQ(dialog->windowOpacity(), 0.0) << showing;
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->FadedIn(); }, 2000)) << showing;
    EXPECT_DOUBLE_EQ(dialog->windowOpacity(), 1.0) << showing;
    dialog->hide();
  }
}

TEST_F(CollectionDialogWidgets, HelpLabelsAndARightClickOnCancelOpenTheirTopicAndHeadingsNothing) {
  const auto dialog = OpenLoad({"one"});
  dialog->show();
  for (QLabel* label : dialog->findChildren<QLabel*>()) Click(label, {5, 5});
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"collectioncombo", "levels", "preview"}));

  dialogs.helpTopics.clear();
  auto* cancel = dialog->findChildren<QPushButton*>().at(1);
  ASSERT_EQ(cancel->text(), "Cancel");
  Click(cancel, {5, 5}, Qt::RightButton);
  EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{"button_cancel"});
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(CollectionDialogWidgets, TheLoadDialogChoosesNoLevelUntilAskedAndDrawsThePressedOne) {
  const auto dialog = OpenLoad({"one", "two"});
  QListWidget* levels = dialog->Levels();
  dialog->show();
  EXPECT_TRUE(dialog->Preview()->NoDataShown());
  Click(OkButton(*dialog), {5, 5});
  EXPECT_EQ(dialogs.LastMessage(), "Select a level to load.");
  // Taking the focus chooses nothing, and the first Down chooses the first level.
  QApplication::setActiveWindow(dialog.get());
  levels->setFocus();
  EXPECT_EQ(levels->currentRow(), -1);
  QTest::keyClick(levels, Qt::Key_Down);
  EXPECT_EQ(levels->currentRow(), 0);

  Click(levels->viewport(), levels->visualItemRect(levels->item(1)).center());
  EXPECT_EQ(loading.LevelIndex, 1);
  EXPECT_EQ(loading.Preview.Slot, 2);
  EXPECT_FALSE(dialog->Preview()->NoDataShown());
  EXPECT_TRUE(testing::SaveScreenshot(*dialog, "load_dialog"));
  Click(OkButton(*dialog), {5, 5});
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(CollectionDialogWidgets, TheSaveDialogChoosesTheFreeSlotAndTheTitleFollowsTheChosenSlot) {
  WriteLevels("a.lvl", {"one", "two"});
  editor.level.LevelTitle = "Mine";
  SaveDialogState state;
  ASSERT_TRUE(PrepareSaveDialog(editor, state));
  SaveDialog dialog(editor, state);
  dialog.show();
  EXPECT_TRUE(testing::SaveScreenshot(dialog, "save_dialog"));
  EXPECT_EQ(dialog.Slots()->count(), 3);
  EXPECT_EQ(dialog.Slots()->currentRow(), 2);
  EXPECT_EQ(dialog.Title()->text(), "Mine");
  dialog.Slots()->setCurrentRow(0);
  EXPECT_EQ(dialog.Title()->text(), "one");
  dialogs.buttonAnswers = {2};  // no overwriting
  Click(OkButton(dialog), {5, 5});
  EXPECT_TRUE(dialog.isVisible());
  dialog.Title()->setText("Renamed");
  Click(OkButton(dialog), {5, 5});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(state.Title, "Renamed");
  EXPECT_EQ(state.SlotIndex, 0);
}

TEST_F(CollectionDialogWidgets, TitlesAndTagsCapitaliseWordsAtTheCaretAndOverASelectionAndTakeSingleBytesOnly) {
  WriteLevels("a.lvl", {"one"});
  SaveDialogState saving;
  ASSERT_TRUE(PrepareSaveDialog(editor, saving));
  SaveDialog save(editor, saving);
  LevelPropertiesWindow properties(editor, nullptr);
  CompileChoices choices{{"a.lvl"}, "a.lvl"};
  CompileDialog compile(editor, choices);
  const std::pair<const char*, QWidget*> fields[] = {
      {"save", save.Title()}, {"properties", properties.TitleBox()},
      {"introduction", compile.findChild<QWidget*>("txtCmnts")}, {"congrats", compile.findChild<QWidget*>("txtCongrats")}};
  // Typed into the emptied field: \x01 is Ctrl+A (all selected), \x02 Home; the euro is no single byte.
  const std::pair<QString, QString> cases[] = {{"a", "A"}, {"ab", "Ab"}, {"a b", "A B"}, {"a-b", "A-B"},
      {"ab\x01" "c", "C"}, {"ab\x02" "c", "CAb"}, {QString::fromUtf8("a\u20ACb\u00E9"), "Ab\u00E9"}};
  for (const auto& [name, field] : fields) {
    for (const auto& [keys, expected] : cases) {
      QMetaObject::invokeMethod(field, "clear");
      for (QChar key : keys) {
        if (key == u'\x01') QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        else if (key == u'\x02') QTest::keyClick(field, Qt::Key_Home);
        else QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(key), {});
      }
      const QVariant text = field->property(qobject_cast<QLineEdit*>(field) ? "text" : "plainText");
      EXPECT_EQ(text.toString().toStdString(), expected.toStdString()) << name << " " << keys.toStdString();
    }
  }
}

}  // namespace
}  // namespace brolt::editor
