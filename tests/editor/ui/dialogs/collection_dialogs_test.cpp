#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "common/numeric.h"
#include "editor/model/commands/compile_collection.h"
#include "editor/model/commands/open_level.h"
#include "editor/model/commands/save_level.h"
#include "editor/support/answering_boxes.h"
#include "editor/support/collection_fixture.h"
#include "editor/support/keyboard_focus.h"
#include "editor/support/modal_script.h"
#include "editor/support/pointer_events.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"
#include "editor/ui/dialogs/compile_dialog.h"
#include "editor/ui/dialogs/level_properties_window.h"
#include "editor/ui/dialogs/load_dialog.h"
#include "editor/ui/dialogs/save_dialog.h"

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
  // Collections of `count` levels each offered to the compile dialog, the first one chosen.
  CompileChoices Offer(const std::vector<std::pair<std::string, int>>& collections) {
    CompileChoices choices;
    for (const auto& [name, count] : collections) {
      WriteLevels(name, std::vector<std::string>(static_cast<std::size_t>(count), "Level"));
      choices.files.push_back(name);
    }
    choices.file = choices.files.front();
    return choices;
  }

  // Save As through the real dialog, modal as the editor shows it; `hand` acts in it once it is up.
  void SaveAs(const std::function<void(SaveDialog&)>& hand) {
    dialogs.saveDialog = [&](SaveDialogState& state) {
      testing::WhenModalShown([&](QWidget* modal) {
        hand(*static_cast<SaveDialog*>(modal));
        if (modal->isVisible()) static_cast<SaveDialog*>(modal)->reject();  // a failed check must not hang
      });
      return RunSaveDialog(editor, state, nullptr);
    };
    SaveLevel(editor, true);
  }
  // Keys as the designer types them: to whichever control of the dialog has the focus.
  static void Type(QWidget& dialog, const QString& keys) {
    for (QChar key : keys) QTest::keyClicks(dialog.focusWidget(), key);
  }

  LoadDialogState loading;
};

TEST_F(CollectionDialogWidgets, EveryShowingFadesInFromTransparent) {
  editor.prefs.FadeInSpeed = 60;
  const auto dialog = OpenLoad({"one"});
  for (int showing = 1; showing <= 2; ++showing) {
    dialog->show();
    EXPECT_DOUBLE_EQ(dialog->windowOpacity(), 0.0) << showing;
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->FadedIn(); }, 2000)) << showing;
    EXPECT_DOUBLE_EQ(dialog->windowOpacity(), 1.0) << showing;
    dialog->hide();
  }
}

TEST_F(CollectionDialogWidgets, TheLoadDialogChoosesNoLevelUntilAskedDrawsThePressedOneAndItsLabelsOpenHelp) {
  const auto dialog = OpenLoad({"one", "two"});
  QListWidget* levels = dialog->Levels();
  dialog->show();
  // Headings open nothing, and a right click on Cancel only its topic.
  for (QLabel* label : dialog->findChildren<QLabel*>()) Click(label, {5, 5});
  Click(dialog->CancelButton(), {5, 5}, Qt::RightButton);
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"collectioncombo", "levels", "preview", "button_cancel"}));
  EXPECT_TRUE(dialog->Preview()->NoDataShown());
  dialog->OkButton()->click();
  EXPECT_EQ(dialogs.LastMessage(), "Select a level to load.");
  EXPECT_TRUE(dialog->isVisible());
  // Taking the focus chooses nothing, and the first Down chooses the first level.
  QApplication::setActiveWindow(dialog.get());
  levels->setFocus();
  EXPECT_EQ(levels->currentRow(), -1);
  QTest::keyClick(levels, Qt::Key_Down);
  EXPECT_EQ(levels->currentRow(), 0);

  Click(levels->viewport(), levels->visualItemRect(levels->item(1)).center());
  EXPECT_EQ(loading.Preview.Slot, 2);
  EXPECT_FALSE(dialog->Preview()->NoDataShown());
  // That OK then loads the level pressed is checked through the real window in designer_sequence_test.cpp.
  EXPECT_TRUE(testing::SaveScreenshot(*dialog, "load_dialog"));
}

TEST_F(CollectionDialogWidgets, TheSaveDialogChoosesTheFreeSlotAndTheTitleFollowsTheChosenSlot) {
  WriteLevels("a.lvl", {"one", "two"});
  editor.level.LevelTitle = "Mine";
  SaveDialogState state;
  ASSERT_TRUE(PrepareSaveDialog(editor, state));
  SaveDialog dialog(editor, state);
  dialog.show();
  EXPECT_TRUE(testing::SaveScreenshot(dialog, "save_dialog"));
  EXPECT_EQ(dialog.Slots()->currentRow(), 2);
  EXPECT_EQ(dialog.Title()->text(), "Mine");
  dialog.Slots()->setCurrentRow(0);
  EXPECT_EQ(dialog.Title()->text(), "one");
  dialogs.buttonAnswers = {2};  // no overwriting
  dialog.OkButton()->click();
  EXPECT_TRUE(dialog.isVisible());
  dialog.Title()->setText("Renamed");
  dialog.OkButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ((std::pair{state.Title, state.SlotIndex}), (std::pair<std::string, int>{"Renamed", 0}));
}

TEST_F(CollectionDialogWidgets, AfterACollectionOrSlotPickedWithTheMouseTheKeysTypeTheTitleAndReturnSavesThere) {
  struct Case {
    const char* picked;  // a collection from the box's list, "..." for level management and back, or a slot
    const char* typed;   // "sp" would choose Sandbox.lvl in the collection box, "0" a slot in the list
    const char* title;
    const char* savedInto;
    long slot;
  };
  for (const Case& c : {Case{"Set.lvl", "zq", "Zq", "Set.lvl", 3}, Case{"Set.lvl", "sp", "Sp", "Set.lvl", 3},
                        Case{"...", "zq", "Zq", "Castle.lvl", 2}, Case{"001   Keep", "z0", "Z0", "Castle.lvl", 1}}) {
    const std::string name = std::string(c.picked) + " " + c.typed;
    const auto records = [&](const std::string& file) {
      std::vector<std::string> all;
      for (long slot = 1; slot <= CountFilledSlots(Levels(file)); ++slot) all.push_back(ReadSlot(Levels(file), slot));
      return all;
    };
    std::map<std::string, std::vector<std::string>> before;
    for (const auto& [file, titles] : {std::pair<std::string, std::vector<std::string>>{"Castle.lvl", {"Keep"}},
                                       {"Sandbox.lvl", {"Sand"}}, {"Set.lvl", {"One", "Two"}}}) {
      WriteLevels(file, titles);
      before[file] = records(file);
    }
    PlacePlayable();
    editor.prefs.LevelFile = "Castle.lvl";
    editor.level.LevelTitle = "Mine";
    SaveAs([&](SaveDialog& dialog) {
      QComboBox* files = dialog.Files();
      const QList<QListWidgetItem*> slot = dialog.Slots()->findItems(c.picked, Qt::MatchExactly);
      if (!slot.empty()) {
        QListWidget* list = dialog.Slots();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(slot[0]).center());
      } else if (c.picked == std::string("...")) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
          if (button->text() == c.picked) QTest::mouseClick(button, Qt::LeftButton);
      } else {
        ASSERT_TRUE(testing::ChooseWithMouse(files, c.picked));
      }
      ASSERT_EQ(files->currentText().toStdString(), c.savedInto);
      Type(dialog, c.typed);
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);  // a slot overwritten: Yes
    });
    for (auto [file, expected] : before) {
      std::vector<std::string> now = records(file);
      if (file == c.savedInto) {
        if (static_cast<long>(now.size()) < c.slot) {
          ADD_FAILURE() << "nothing saved into " << file << ", " << name;
          continue;
        }
        EXPECT_EQ(TrimSpaces(FieldText(now[c.slot - 1], level_field::Title)), c.title) << name;
        now.erase(now.begin() + c.slot - 1);
        if (static_cast<long>(expected.size()) >= c.slot) expected.erase(expected.begin() + c.slot - 1);
      }
      EXPECT_TRUE(now == expected) << file << " changed otherwise, " << name;
    }
    EXPECT_EQ(editor.prefs.LevelFile, c.savedInto) << name;
  }
}

// A row of a list, by its place.
QPoint Row(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }

// Each way the mouse chooses a slot, and what Save then writes: the title follows the slot pressed
// or dragged to, a move without a button chooses nothing, and a double click saves at once.
TEST_F(CollectionDialogWidgets, EveryMousePathOfTheSlotListChoosesSlotAndTitleAndADoubleClickSaves) {
  using Hand = std::function<void(QWidget* list, const std::function<QPoint(int)>& row)>;
  struct Case {
    const char* path;
    Hand hand;
    const char* title;  // in the title box afterwards; the dialog closed leaves ""
    const char* saved;  // the slot the designer's level went into, and its title
  };
  const auto doubleClick = [](int row) {
    return [row](QWidget* list, const auto& at) { testing::DoubleClick(list, at(row)); };
  };
  const Case cases[] = {
      {"click on 1", [](QWidget* list, const auto& at) { Click(list, at(0)); }, "One", "1 One"},
      {"click on 1, then the free slot", [](QWidget* list, const auto& at) { Click(list, at(0)), Click(list, at(2)); },
       "Mine", "3 Mine"},
      {"drag from the free slot up to 1", [](QWidget* list, const auto& at) {
         testing::Press(list, at(2));
         for (int row : {1, 0}) testing::SendMouse(list, QEvent::MouseMove, at(row), Qt::NoButton, Qt::LeftButton);
         testing::Release(list, at(0));
       }, "One", "1 One"},
      {"move over 1 without a button", [](QWidget* list, const auto& at) {
         testing::SendMouse(list, QEvent::MouseMove, at(0), Qt::NoButton, Qt::NoButton);
       }, "Mine", "3 Mine"},
      {"double click on 2", doubleClick(1), "", "2 Two"},
      {"double click on the free slot", doubleClick(2), "", "3 Mine"},
  };
  for (const Case& c : cases) {
    WriteLevels("Set.lvl", {"One", "Two"});
    std::vector<std::string> before;
    for (long slot = 1; slot <= 3; ++slot) before.push_back(ReadSlot(Levels("Set.lvl"), slot));
    PlacePlayable();
    editor.prefs.LevelFile = "Set.lvl";
    editor.level.LevelTitle = "Mine";
    std::string title;
    SaveAs([&](SaveDialog& dialog) {
      QListWidget* list = dialog.Slots();
      c.hand(list->viewport(), [list](int row) { return Row(list, row); });
      if (!dialog.isVisible()) return;
      title = dialog.Title()->text().toStdString();
      dialog.OkButton()->click();  // an overwrite is answered Yes
    });
    EXPECT_EQ(title, c.title) << c.path;
    std::string saved;
    for (long slot = 1; slot <= 3; ++slot) {
      const std::string record = ReadSlot(Levels("Set.lvl"), slot);
      if (record != before[static_cast<std::size_t>(slot - 1)])
        saved += std::to_string(slot) + " " + TrimSpaces(FieldText(record, level_field::Title));
    }
    EXPECT_EQ(saved, c.saved) << c.path;
  }
}

// Each way the mouse goes over the level list, and the level a double click opens: a press draws the
// level pressed, a drag with the left button each level it reaches; a move without a button or a
// key draws nothing.
TEST_F(CollectionDialogWidgets, EveryMousePathOfTheLevelListDrawsTheLevelItReachesAndADoubleClickOpensIt) {
  enum Step { kPress, kMove, kHeldMove, kRelease, kDown, kDoubleClick };
  struct Case {
    std::vector<std::pair<Step, int>> steps;  // each at a row of the list
    const char* shown;                        // the level on show, by its tile's colour; "" for none
    const char* opened;                       // the level's title in the editor afterwards
  };
  const Case cases[] = {
      {{{kPress, 1}, {kRelease, 1}}, "green", "Untitled"},
      {{{kPress, 0}, {kHeldMove, 1}, {kHeldMove, 2}, {kRelease, 2}}, "blue", "Untitled"},
      {{{kPress, 0}, {kRelease, 0}, {kMove, 2}}, "red", "Untitled"},
      {{{kPress, 0}, {kRelease, 0}, {kDown, 0}}, "red", "Untitled"},
      {{{kDoubleClick, 1}}, "green", "Two"},
  };
  editor.tiles.TileDefs[45].Mini = 12;  // light red
  editor.tiles.TileDefs[46].Mini = 10;  // light green
  editor.tiles.TileDefs[47].Mini = 9;   // light blue
  std::vector<std::string> records;
  for (const auto& [title, tile] : {std::pair{"One", 45}, {"Two", 46}, {"Three", 47}}) {
    LevelRecord level;
    level.title = title;
    level.Cell(0, 0) = {tile, 0};
    records.push_back(EncodeLevelRecord(level));
  }
  WriteCollection(Levels("Set.lvl"), records);
  for (const Case& c : cases) {
    std::string path;
    for (const auto& [step, row] : c.steps) path += std::to_string(step) + "@" + std::to_string(row) + " ";
    editor.prefs.LevelFile = "Set.lvl";
    editor.level = {};
    editor.level.LevelTitle = "Untitled";
    editor.level.LevelSaved = true;
    std::string shown = "?";
    dialogs.loadDialog = [&](LoadDialogState& state) {
      testing::WhenModalShown([&](QWidget* modal) {
        auto* dialog = static_cast<LoadDialog*>(modal);
        QListWidget* list = dialog->Levels();
        QWidget* area = list->viewport();
        for (const auto& [step, row] : c.steps) {
          const QPoint at = Row(list, row);
          switch (step) {
            case kPress: testing::PointerPress(area, at); break;
            case kMove:
            case kHeldMove: testing::PointerMove(area, at); break;
            case kRelease: testing::PointerRelease(area, at); break;
            case kDown: QTest::keyClick(list, Qt::Key_Down); break;
            case kDoubleClick: testing::DoubleClick(area, at); break;
          }
        }
        const QColor corner = dialog->Preview()->grab().toImage().pixelColor(1, 1);
        shown = corner == QColor(255, 0, 0) ? "red" : corner == QColor(0, 255, 0) ? "green"
              : corner == QColor(0, 0, 255) ? "blue" : "";
        if (dialog->isVisible()) dialog->reject();
      });
      return RunLoadDialog(editor, state, nullptr);
    };
    OpenLevel(editor, kAskWithLoadDialog);
    EXPECT_EQ(shown, c.shown) << path;
    EXPECT_EQ(editor.level.LevelTitle, c.opened) << path;
  }
}

TEST_F(CollectionDialogWidgets, SaveRefusesTheTitleUntitledInAnyCaseAndWritesNothing) {
  struct Case {
    const char* levelTitle;  // what the free slot offers
    const char* typed;       // over it, all selected
    const char* box;         // what the title box then shows
  };
  // Spaces around it are no part of the title the level keeps.
  for (const Case& c : {Case{"Mine", "untitled", "Untitled"}, Case{"Mine", "UNTITLED", "UNTITLED"},
                        Case{"untitled", "", "untitled"}, Case{"Untitled", "", "Untitled"},
                        Case{"Mine", "untitled ", "Untitled "}, Case{"Mine", " untitled", " Untitled"}}) {
    WriteLevels("Set.lvl", {"One"});
    const std::string before = Bytes("Set.lvl");
    PlacePlayable();
    editor.prefs.LevelFile = "Set.lvl";
    editor.level.LevelTitle = c.levelTitle;
    dialogs.messages.clear();
    SaveAs([&](SaveDialog& dialog) {
      Type(dialog, c.typed);
      EXPECT_EQ(dialog.Title()->text(), c.box);
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
      EXPECT_TRUE(dialog.isVisible()) << c.box;
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.messages.size(), 1u) << c.box;
    EXPECT_EQ(dialogs.LastMessage(), "Invalid level title.") << c.box;
    EXPECT_TRUE(Bytes("Set.lvl") == before) << c.box << " written";
    EXPECT_FALSE(editor.level.LevelSaved) << c.box;
  }
}

TEST_F(CollectionDialogWidgets, TitlesAndTagsCapitaliseWordsAtTheCaretAndOverASelectionAndTakeSingleBytesOnly) {
  WriteLevels("a.lvl", {"one"});
  SaveDialogState saving;
  ASSERT_TRUE(PrepareSaveDialog(editor, saving));
  SaveDialog save(editor, saving);
  LevelPropertiesWindow properties(editor, nullptr);
  CompileChoices choices;
  choices.files = {"a.lvl"};
  choices.file = "a.lvl";
  CompileDialog compile(editor, choices);
  // The congratulations tag is a box of the same kind as the introduction's.
  const std::pair<const char*, QWidget*> fields[] = {
      {"save", save.Title()}, {"properties", properties.TitleBox()}, {"tag", compile.findChild<QWidget*>("txtCmnts")}};
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

TEST_F(CollectionDialogWidgets, ChoosingACollectionToCompileCountsItsLevelsAndPresetsTheOpenCountOrKeepsTheTyped) {
  CompileChoices choices = Offer({{"Three.lvl", 3}, {"Seven.lvl", 7}, {"Twelve.lvl", 12}, {"Five.lvl", 5}});
  CompileDialog dialog(editor, choices);
  auto* count = dialog.findChild<QComboBox*>("txtLevs");
  for (const auto& [file, levels, shown] : {std::tuple{"Twelve.lvl", 12, "5"}, {"Seven.lvl", 7, "3"},
                                            {"Five.lvl", 5, "2"}, {"Three.lvl", 3, "1"}}) {
    count->setEditText("2");
    dialog.findChild<QComboBox*>("txtFile")->setCurrentText(file);
    EXPECT_EQ(count->currentText(), shown) << file;
    EXPECT_EQ(count->count(), levels) << file;
    EXPECT_EQ(dialog.findChild<QLabel*>("labCount")->text(), QString("available levels. (%1 total)").arg(levels));
  }
}

// The collection and the open count chosen from their lists with the mouse, then Compile clicked.
TEST_F(CollectionDialogWidgets, TheMouseChoosesTheCollectionAndTheOpenCountThatAreCompiled) {
  CompileChoices choices = Offer({{"Three.lvl", 3}, {"Seven.lvl", 7}});
  // The collection, the count chosen ("" for none: the preset), and the count compiled.
  for (const auto& [file, count, compiled] :
       {std::tuple{"Seven.lvl", "6", 6}, {"Three.lvl", "2", 2}, {"Seven.lvl", "", 3}}) {
    SCOPED_TRACE(std::string(file) + " " + count);
    CompileDialog dialog(editor, choices);
    dialog.show();
    ASSERT_TRUE(testing::ChooseWithMouse(dialog.findChild<QComboBox*>("txtFile"), file));
    if (*count != 0) {
      ASSERT_TRUE(testing::ChooseWithMouse(dialog.findChild<QComboBox*>("txtLevs"), count));
    }
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ((std::pair{choices.file, choices.openLevels}), (std::pair<std::string, int>{file, compiled}));
  }
}

TEST_F(CollectionDialogWidgets, EnterInTheOpenCountCompilesWithTheCountClamped) {
  CompileChoices choices = Offer({{"Twelve.lvl", 12}});
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

TEST_F(CollectionDialogWidgets, APastedLineBreakBecomesASpaceATypedOneNeverGetsInAndEnterInATagCompiles) {
  CompileChoices choices = Offer({{"Set.lvl", 2}});
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

// Tab leaves a tag for the next box and types nothing into it.
TEST_F(CollectionDialogWidgets, TabLeavesEachTagForTheNextBoxAndTypesNothing) {
  CompileChoices choices = Offer({{"Set.lvl", 2}});
  CompileDialog dialog(editor, choices);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  for (const auto& [from, to] : {std::pair{"txtCmnts", "txtCongrats"}, std::pair{"txtCongrats", "cmdOK"}}) {
    auto* tag = dialog.findChild<QPlainTextEdit*>(from);
    tag->setFocus();
    QTest::keyClick(tag, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QWidget*>(to)) << from;
    EXPECT_EQ(tag->toPlainText(), "") << from;
  }
}

TEST_F(CollectionDialogWidgets, TheCompileDialogStaysOpenWhenReplacingTheCompiledFileIsRefused) {
  CompileChoices choices = Offer({{"Set.lvl", 2}});
  WriteLevels("Set.clvl", {"Level"});
  CompileDialog dialog(editor, choices);
  dialog.show();
  dialogs.buttonAnswers = {2, 1};
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialogs.LastMessage(), "Overwrite the existing compiled level collection file?");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Compile by keys alone, the overwrite question answered with Tab and Return: the compiled file,
// with the tags and open count it keeps, is rebuilt on Yes only.
TEST_F(CollectionDialogWidgets, TheOverwriteQuestionAnsweredByKeysKeepsTheCompiledFileUnlessYes) {
  testing::AnsweringBoxes boxes(editor);
  editor.ui.dialogs = &boxes;
  WriteLevels("Set.lvl", {"One", "Two"});
  for (const auto& [answer, kept] : {std::pair{2, true}, {1, false}}) {
    SCOPED_TRACE(answer);
    WriteCompiled("Set.clvl", {"Old"});
    const std::string before = Bytes("Set.clvl");
    boxes.tabTo = answer;
    bool stayedOpen = false;
    testing::WhenModalShown([&](QWidget* dialog) {
      EXPECT_TRUE(testing::TabTo(*dialog, dialog->findChild<QPushButton*>("cmdOK")));
      testing::PressKey(*dialog, Qt::Key_Return);
      stayedOpen = dialog->isVisible();
      if (stayedOpen) static_cast<QDialog*>(dialog)->reject();
    });
    CompileCollection(editor);
    EXPECT_EQ(boxes.shown.front(), "Overwrite the existing compiled level collection file?");
    EXPECT_EQ(Bytes("Set.clvl") == before, kept);
    EXPECT_EQ(stayedOpen, kept) << "No returns to the dialog";
    boxes.shown.clear();
  }
}

TEST_F(CollectionDialogWidgets, TheCollectionToCompileHasTheKeysAgainWheneverTheDialogIsBackInFront) {
  CompileChoices choices = Offer({{"Set.lvl", 2}});
  WriteLevels("Set.clvl", {"Level"});
  testing::AnsweringBoxes boxes(editor);
  boxes.answer = Qt::Key_Escape;  // not over the compiled file
  editor.ui.dialogs = &boxes;
  const std::pair<const char*, std::function<void(QWidget&)>> ways[] = {
      {"Compile clicked", [](QWidget& dialog) {
         QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
       }},
      {"Return in the count", [](QWidget& dialog) {
         QLineEdit* count = dialog.findChild<QComboBox*>("txtLevs")->lineEdit();
         QTest::mouseClick(count, Qt::LeftButton);
         QTest::keyClick(count, Qt::Key_Return);
       }},
  };
  testing::WhenModalShown([&](QWidget* dialog) {
    QApplication::setActiveWindow(dialog);  // as the designer's desktop has it
    auto* file = dialog->findChild<QWidget*>("txtFile");
    for (const auto& [way, press] : ways) {
      boxes.shown.clear();
      press(*dialog);
      EXPECT_EQ(boxes.shown, std::vector<std::string>{"Overwrite the existing compiled level collection file?"}) << way;
      EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == file; }, 5000)) << way;
    }
    static_cast<QDialog*>(dialog)->reject();
  });
  EXPECT_FALSE(RunCompileDialog(editor, choices, nullptr));
}

}  // namespace
}  // namespace brolt::editor
