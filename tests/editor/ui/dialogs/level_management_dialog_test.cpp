#include "editor/ui/dialogs/level_management_dialog.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "common/file_io.h"
#include "editor/model/collections/level_management.h"
#include "editor/model/commands/level_conversion.h"
#include "editor/model/commands/save_level.h"
#include "editor/support/answering_boxes.h"
#include "editor/support/keyboard_focus.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/pointer_events.h"
#include "editor/support/recording_window.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"
#include "editor/ui/dialogs/level_preview_widget.h"
#include "editor/ui/dialogs/save_dialog.h"

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
  // Levels told apart by the minimap colour of their top left cell, as the preview draws them.
  void ColourTiles() {
    editor.tiles.TileDefs[45].Mini = 12;  // light red
    editor.tiles.TileDefs[46].Mini = 10;  // light green
    editor.tiles.TileDefs[47].Mini = 9;   // light blue
  }
  // The level on show: by the colour of its top left cell (45 "A", 46 "C", 47 "X"), "blank" for a
  // holder, "No Data" for the free entry.
  std::string ShownLevel() {
    auto* preview = Find<LevelPreviewWidget>("txtPreview");
    if (preview->NoDataShown()) return "No Data";
    const QColor corner = preview->grab().toImage().pixelColor(1, 1);
    for (const auto& [colour, level] :
         {std::pair{QColor(255, 0, 0), "A"}, {QColor(0, 255, 0), "C"}, {QColor(0, 0, 255), "X"}})
      if (corner == colour) return level;
    // A cell without a tile is black, whatever the dialog's own colour.
    return corner == Qt::black ? "blank" : corner.name().toStdString();
  }

  std::unique_ptr<LevelManagementDialog> dialog;
};

TEST_F(ManageDialogTest, AHolderStopsDoneEscapeCloseAndAnotherCollectionUntilTheDeleteKeyRemovesIt) {
  Open();
  Find("cmdOK")->click();
  QTest::keyClick(Levels(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->close());
  testing::Press(Collections(), {5, 5});
  ASSERT_EQ(dialogs.messages.size(), 4u);
  EXPECT_EQ(dialogs.messages[2].text,
            "You must either fill or delete the [HOLDER] spaces before you can close level management.");
  EXPECT_EQ(dialogs.LastMessage(),
            "You must either fill or delete the [HOLDER] spaces before you can choose another level collection.");
  EXPECT_EQ(dialog->focusWidget(), Find("cmdCom5"));

  Levels()->setCurrentRow(1);
  QTest::keyClick(Levels(), Qt::Key_Delete);  // what it removes is checked by the files in the sequences below
  Find("cmdOK")->click();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(ManageDialogTest, EachWayIntoTheCollectionsWithAHolderListedWarnsOnceAndLeavesTheFocusOnRemove) {
  testing::AnsweringBoxes boxes(editor);
  editor.ui.dialogs = &boxes;
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"a click", [&] { QTest::mouseClick(Collections(), Qt::LeftButton, {}, {5, 5}); }},
      {"a second click", [&] { QTest::mouseClick(Collections(), Qt::LeftButton, {}, {5, 5}); }},
      {"Shift+Tab from New", [&] {
         Find("cmdFileNew")->setFocus();
         QTest::keyClick(Find("cmdFileNew"), Qt::Key_Backtab, Qt::ShiftModifier);
       }},
  };
  Open();
  QApplication::setActiveWindow(dialog.get());
  for (const auto& [way, reach] : ways) {
    boxes.shown.clear();
    reach();
    EXPECT_EQ(boxes.shown, std::vector<std::string>{"You must either fill or delete the [HOLDER] spaces before you can "
                                                    "choose another level collection."}) << way;
    // The dialog has the keyboard again once the box is gone.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == Find("cmdCom5"); }, 5000)) << way;
  }
}

// Two collections that differ only in case, as another system can leave them in the Levels folder:
// the save dialog and level management take the designer's own, and only it is guarded and changed.
TEST_F(ManageDialogTest, OfTwoCollectionsDifferingOnlyInCaseTheDesignersOwnIsChosenGuardedAndChanged) {
  struct Case {
    const char* own;
    const char* other;
    std::vector<std::string> shown;
    bool guarded;  // the own collection holds a holder space, so Done is refused until it goes
  };
  for (const Case& c : {Case{"A.lvl", "a.lvl", {"001   Upper", "002        [HOLDER]"}, true},
                        Case{"a.lvl", "A.lvl", {"001   Lower", "002   Second"}, false}}) {
    SCOPED_TRACE(c.own);
    WriteRecords("A.lvl", {LevelText("Upper"), kHolder});
    WriteLevels("a.lvl", {"Lower", "Second"});
    const std::string other = *ReadWholeFile(file(c.other));
    editor.prefs.LevelFile = c.own;
    dialogs.messages.clear();

    SaveDialogState saving;
    ASSERT_TRUE(PrepareSaveDialog(editor, saving));
    EXPECT_EQ(SaveDialog(editor, saving).Files()->currentText().toStdString(), c.own);

    Open();
    EXPECT_EQ(Collections()->currentText().toStdString(), c.own);
    std::vector<std::string> shown;
    for (int row = 0; row + 1 < Levels()->count(); ++row) shown.push_back(Levels()->item(row)->text().toStdString());
    EXPECT_EQ(shown, c.shown);
    Find("cmdOK")->click();
    EXPECT_EQ(dialog->isVisible(), c.guarded);
    if (c.guarded) {
      Levels()->setCurrentRow(1);
      QTest::keyClick(Levels(), Qt::Key_Delete);
      Find("cmdOK")->click();
      EXPECT_EQ(Titles(c.own), std::vector<std::string>{"Upper"});
    }
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialogs.messages.size(), c.guarded ? 1u : 0u);
    EXPECT_EQ(*ReadWholeFile(file(c.other)), other);
  }
}

TEST_F(ManageDialogTest, EachCommandButtonActsOnTheSelectedLevelAndTheListShowsTheResult) {
  // Each on level 2 of A, B, C; a second button acts on the free entry after the last level.
  const std::pair<std::vector<const char*>, std::vector<std::string>> cases[] = {
      {{"cmdCom2"}, {"A", "Renamed", "C"}}, {{"cmdCom3"}, {"A", kHolder, "C"}}, {{"cmdCom4"}, {"A", kHolder, "B", "C"}},
      {{"cmdCom5"}, {"A", "C"}}, {{"cmdCom6"}, {"B", "A", "C"}}, {{"cmdCom7"}, {"A", "C", "B"}},
      {{"cmdCom0", "cmdCom1"}, {"A", "B", "C", "B"}}};
  for (const auto& [buttons, after] : cases) {
    WriteLevels("Set.lvl", {"A", "B", "C"});
    dialogs.inputAnswers = {"Renamed"};
    Open();
    Levels()->setCurrentRow(1);
    for (const char* button : buttons) Find(button)->click(), Levels()->setCurrentRow(3);
    EXPECT_EQ(Titles("Set.lvl"), after) << buttons[0];
    EXPECT_EQ(Levels()->item(1)->text().toStdString(), "002   " + after[1]) << buttons[0];
    EXPECT_EQ(Bin()->count(), 0) << buttons[0] << ": a level pasted leaves the bin";
  }
}

TEST_F(ManageDialogTest, TabWalksTheControlsAsTheyStandRightClicksOpenHelpAndTheFileButtonsChooseWhatTheyMake) {
  WriteLevels("Copy of Other.lvl", {"Old"});
  WriteLevels("Set.lvl", {"A"});  // a holder would keep New from choosing another collection
  Open();
  std::vector<QString> walked;
  for (QWidget* focus = Collections(); walked.size() < 7;)
    if ((focus = focus->nextInFocusChain())->focusPolicy() != Qt::NoFocus) walked.push_back(focus->objectName());
  EXPECT_EQ(walked, (std::vector<QString>{"cmdFileNew", "cmdFileEdit", "cmdFileCopy", "cmdFileDelete", "txtLevels",
                                         "cmdCom0", "cmdCom1"}));

  // With a level selected, neither a right click on Copy nor Space off the list copies it to the bin.
  Levels()->setCurrentRow(0);
  testing::Click(Levels()->viewport(), {5, 5}, Qt::RightButton);
  testing::Click(Find("cmdCom0"), {5, 5}, Qt::RightButton);
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"levels", "lvlmanage0"}));
  dialogs.inputAnswers = {"Fresh"};
  QTest::keyClick(Find("cmdFileNew"), Qt::Key_Space);
  EXPECT_EQ(Collections()->currentText(), "Fresh.lvl");
  EXPECT_EQ(Bin()->count(), 0);

  Collections()->setCurrentText("Other.lvl");
  Find("cmdFileCopy")->click();  // replacing the copy there
  EXPECT_EQ(Collections()->currentText(), "Copy of Other.lvl");
  EXPECT_EQ(Levels()->item(0)->text(), "001   X");
}

// Delete by keys alone: Tab to it and Return, then Tab to the question's answer and Return.
TEST_F(ManageDialogTest, DeleteAnsweredByKeysRemovesTheCollectionOnlyOnYes) {
  testing::AnsweringBoxes boxes(editor);
  editor.ui.dialogs = &boxes;
  editor.prefs.LevelFile = "Other.lvl";  // no holder listed, so the collection box warns of none
  const std::string before = ReadWholeFile(file("Other.lvl")).value_or("");
  for (const auto& [answer, kept] : {std::pair{2, true}, {1, false}}) {
    SCOPED_TRACE(answer);
    boxes.tabTo = answer;
    Open();
    ASSERT_TRUE(testing::TabTo(*dialog, Find("cmdFileDelete")));
    testing::PressKey(*dialog, Qt::Key_Return);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown.back().starts_with("There is no undo when deleting collection files.")) << boxes.shown.back();
    EXPECT_EQ(ReadWholeFile(file("Other.lvl")), kept ? std::optional(before) : std::nullopt);
    EXPECT_TRUE(dialog->isVisible()) << "the question answered, management stays";
    boxes.shown.clear();
  }
}

TEST_F(ManageDialogTest, ThePreviewFollowsTheSlotNotTheTitle) {
  WriteRecords("Set.lvl", {LevelText("Same", 45), LevelText("Same", 46)});
  editor.tiles.TileDefs[45].Mini = 12;  // light red
  editor.tiles.TileDefs[46].Mini = 10;  // light green
  testing::SetTestColorScheme(editor);
  Open();
  auto* preview = Find<LevelPreviewWidget>("txtPreview");
  EXPECT_TRUE(preview->NoDataShown());
  for (const auto& [row, colour] : {std::pair{0, QColor(255, 0, 0)}, std::pair{1, QColor(0, 255, 0)}}) {
    Levels()->setCurrentRow(row);
    EXPECT_EQ(preview->grab().toImage().pixelColor(1, 1), colour) << row;
  }
  Levels()->setCurrentRow(2);  // the free entry
  EXPECT_TRUE(preview->NoDataShown());
  EXPECT_EQ(preview->grab().toImage().pixelColor(1, 1), QColor(Qt::black)) << "behind No Data";
}

// Presses in the level list ('L') and the bin ('B') by row; after each, the level on show: by the
// colour of its top left cell, "blank" for a holder, "No Data" for the free entry.
TEST_F(ManageDialogTest, ThePreviewFollowsEveryPressInEitherListTheEntryAlreadySelectedIncluded) {
  WriteRecords("Set.lvl", {LevelText("A", 45), kHolder, LevelText("C", 46)});
  WriteRecords("Other.lvl", {LevelText("X", 47)});
  ColourTiles();
  editor.prefs.LevelFile = "Other.lvl";
  Open();
  Levels()->setCurrentRow(0);
  Find("cmdCom0")->click();  // X into the bin
  ASSERT_EQ(Bin()->count(), 1);
  struct Press {
    char list;
    int row;
    const char* shows;
  };
  const std::vector<Press> sequences[] = {
      {{'L', 1, "blank"}, {'B', 0, "X"}, {'L', 1, "blank"}},
      {{'L', 0, "A"}, {'B', 0, "X"}, {'L', 0, "A"}, {'L', 0, "A"}},
      {{'B', 0, "X"}, {'L', 2, "C"}, {'B', 0, "X"}},
      {{'L', 3, "No Data"}, {'B', 0, "X"}, {'L', 3, "No Data"}},
      {{'L', 0, "A"}, {'L', 2, "C"}, {'L', 1, "blank"}, {'L', 0, "A"}},
  };
  editor.prefs.LevelFile = "Set.lvl";
  for (const std::vector<Press>& presses : sequences) {
    Open();
    std::string pressed;
    for (const Press& press : presses) {
      pressed += std::string(1, press.list) + std::to_string(press.row) + " ";
      QListWidget* list = press.list == 'L' ? Levels() : Bin();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(press.row)).center());
      EXPECT_EQ(ShownLevel(), press.shows) << pressed;
    }
  }
}

// The left button pressed on a level and held while the pointer goes down the list, then up again.
TEST_F(ManageDialogTest, ADragThroughTheLevelListShowsEachLevelThePointerReaches) {
  WriteRecords("Set.lvl", {LevelText("A", 45), kHolder, LevelText("C", 46)});
  ColourTiles();
  Open();
  QWidget* area = Levels()->viewport();
  const auto at = [&](int row) { return Levels()->visualItemRect(Levels()->item(row)).center(); };
  testing::Press(area, at(0));
  std::vector<std::string> shown{ShownLevel()};
  for (const int row : {1, 2, 3, 2}) {
    testing::SendMouse(area, QEvent::MouseMove, at(row), Qt::NoButton, Qt::LeftButton);
    shown.push_back(ShownLevel());
  }
  testing::Release(area, at(2));
  EXPECT_EQ(shown, (std::vector<std::string>{"A", "blank", "C", "No Data", "C"}));
}

// What the preview shows after each command or choice on a collection of A, C and X, and that the
// collections are listed once each after it.
TEST_F(ManageDialogTest, AfterEachCommandOrChoiceThePreviewShowsWhatTheChosenEntryNowHolds) {
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"blank", [&] { Levels()->setCurrentRow(0), Find("cmdCom3")->click(); }},  // deleted: a holder
      {"C", [&] { Levels()->setCurrentRow(0), Find("cmdCom5")->click(); }},      // removed: C moves up
      {"No Data", [&] {
         Levels()->setCurrentRow(0);
         ASSERT_TRUE(testing::ChooseWithMouse(Collections(), "Other.lvl"));
       }},
      {"A", [&] {  // the first Down on a list with nothing chosen chooses the first level
         Levels()->setFocus();
         QTest::keyClick(Levels(), Qt::Key_Down);
       }},
  };
  ColourTiles();
  for (const auto& [shows, act] : cases) {
    WriteRecords("Set.lvl", {LevelText("A", 45), LevelText("C", 46), LevelText("X", 47)});
    Open();
    QApplication::setActiveWindow(dialog.get());
    act();
    EXPECT_EQ(ShownLevel(), shows);
    EXPECT_EQ(Collections()->count(), 2) << shows;
  }
}

// Two levels copied into the bin, the first of them chosen there; the bin's buttons and what the
// bin and the collection hold afterwards.
TEST_F(ManageDialogTest, TheBinsDeleteTakesTheChosenEntryAndClearTakesThemAllLeavingTheCollection) {
  for (const auto& [button, left] : {std::pair{"cmdCom8", std::vector<std::string>{"B"}},
                                     std::pair{"cmdCom9", std::vector<std::string>{}}}) {
    WriteLevels("Set.lvl", {"A", "B", "C"});
    editor.manage = {};
    Open();
    for (const int row : {0, 1}) Levels()->setCurrentRow(row), Find("cmdCom0")->click();
    Bin()->setCurrentRow(0);
    Find(button)->click();
    std::vector<std::string> bin;
    for (int row = 0; row < Bin()->count(); ++row) bin.push_back(Bin()->item(row)->text().toStdString());
    EXPECT_EQ(bin, left) << button;
    EXPECT_EQ(Titles("Set.lvl"), (std::vector<std::string>{"A", "B", "C"})) << button;
  }
}

TEST_F(ManageDialogTest, ARightClickOnAnyControlOpensItsOwnTopicAndRunsNothing) {
  WriteLevels("Set.lvl", {"A"});
  Open();
  Levels()->setCurrentRow(0);
  std::vector<std::pair<QWidget*, std::string>> controls;
  for (int index = 0; index < 10; ++index)
    controls.emplace_back(Find(QString("cmdCom%1").arg(index).toUtf8().constData()), "lvlmanage" + std::to_string(index));
  for (const auto& [name, topic] : {std::pair{"cmdFileNew", "lvlmanage_new"}, {"cmdFileEdit", "lvlmanage_rename"},
                                    {"cmdFileCopy", "lvlmanage_copycolfile"}, {"cmdFileDelete", "lvlmanage_delete"},
                                    {"cmdOK", "button_ok"}})
    controls.emplace_back(Find(name), topic);
  controls.emplace_back(Levels()->viewport(), "levels");
  controls.emplace_back(Bin()->viewport(), "clipboard");
  controls.emplace_back(Find<QWidget>("txtPreview"), "preview");
  controls.emplace_back(Collections(), "collectioncombo");
  std::vector<std::string> topics;
  for (const auto& [control, topic] : controls) {
    testing::Click(control, {5, 5}, Qt::RightButton);
    topics.push_back(topic);
  }
  EXPECT_EQ(dialogs.helpTopics, topics);
  EXPECT_TRUE(dialogs.messages.empty() && dialogs.prompts.empty());
  EXPECT_EQ(Titles("Set.lvl"), std::vector<std::string>{"A"});
  EXPECT_EQ(Bin()->count(), 0);
  EXPECT_TRUE(dialog->isVisible());
}

// Clicks the button of this name or caption.
void Press(QWidget& dialog, const QString& nameOrCaption) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->objectName() == nameOrCaption || button->text() == nameOrCaption) return button->click();
  ADD_FAILURE() << nameOrCaption.toStdString();
}

// Chooses a level, then presses each key on the level list with that level chosen anew.
void Choose(QWidget& dialog, int row, std::initializer_list<Qt::Key> keys = {}) {
  auto* levels = dialog.findChild<QListWidget*>("txtLevels");
  levels->setCurrentRow(row);
  for (Qt::Key key : keys) levels->setCurrentRow(row), QTest::keyClick(levels, key);
}

// The real save and level management dialogs where the commands show them, with the designer's
// hand in each; the boxes they open answer from the script.
struct DesignerDialogs : testing::ScriptedDialogs {
  Editor* editor = nullptr;
  std::function<void(QWidget&)> inManagement;  // then Done; without it the save dialog's "...", then Save
  std::function<void(SaveDialog&)> inSaveDialog;  // before that "..."

  bool ShowSaveDialog(SaveDialogState& state) override {
    SaveDialog dialog(*editor, state);
    dialog.show();
    if (!inManagement && inSaveDialog) inSaveDialog(dialog);
    if (!inManagement) Press(dialog, "..."), Press(dialog, "Save");
    return dialog.result() == QDialog::Accepted;
  }
  void ShowLevelManagement(std::string_view file) override {
    LevelManagementDialog dialog(*editor, file);
    dialog.show();
    if (inManagement) inManagement(dialog);
    Press(dialog, "cmdOK");
  }
};

// What a designer does, from File, Level Management then Ctrl+S, or from File, Save As through the
// save dialog's "..."; checked by the files: every level of every collection is what the designer
// left, or the designer's level where it was saved, and nothing else changed.
TEST_F(ManageDialogTest, NoPathThroughSaveAndLevelManagementWritesOrDropsALevelTheDesignerDidNotMean) {
  DesignerDialogs designer;
  testing::RecordingWindow window;
  editor.ui.dialogs = &designer;
  editor.ui.window = &window;
  LevelState designed;
  designed.Cell(1, 1).TileCode = 1;  // Thresher
  designed.Cell(2, 1).TileCode = 9;  // Portal
  const auto Designed = [&](const std::string& title) {
    LevelState level = designed;
    level.LevelTitle = title;
    return EncodeLevelRecord(ToLevelRecord(level));
  };
  const auto Hash = [](const std::filesystem::path& path) { return std::hash<std::string>{}(*ReadWholeFile(path)); };
  const auto Files = [&] {
    std::map<std::string, std::size_t> files{{"(the Levels folder)", std::filesystem::is_directory(levels())}};
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(levels(), missing))
      files[entry.path().filename().string()] = Hash(entry.path());
    return files;
  };
  const auto Shown = [&](const std::string& start) {
    return std::ranges::count_if(designer.messages, [&](const auto& shown) { return shown.text.starts_with(start); });
  };
  const std::string A = LevelText("A"), B = LevelText("B"), C = LevelText("C"), X = LevelText("X");
  const auto untitledIn2 = [&] {
    WriteRecords("Set.lvl", {A, Designed("Untitled"), C});
    editor.level.LevelTitle = "Untitled", editor.level.LevelNumber = 2, editor.level.LevelSaved = false;
  };
  const auto holderThen = [](std::function<void(QWidget&)> leave) {
    return [leave](QWidget& manage) {
      Choose(manage, 0, {Qt::Key_Insert}), leave(manage), Choose(manage, 0, {Qt::Key_Delete});
    };
  };
  const auto press = [](const char* button) { return [button](QWidget& manage) { Press(manage, button); }; };
  const auto typing = [&](const char* typed) { return [&, typed] { designer.inputAnswers = {typed}; }; };
  const std::string exists = "File already exists.", replace = "'Copy of Set.lvl' already exists. Replace it?";
  struct Sequence {
    const char* name;
    std::function<void()> setup;  // on Set.lvl (A, B, C) and Other.lvl (X), the designer's "Mine" open
    std::function<void(QWidget&)> inManagement = {};
    std::map<std::string, std::vector<std::string>> after = {};  // the files the designer changed; {} is gone
    std::string says = {};  // the beginning of a message shown on the way
  };
  const Sequence sequences[] = {
      {"save as, then ...", [&] { editor.level.LevelNumber = 1, editor.prefs.LevelFile = "Other.lvl"; }, {},
       {{"Other.lvl", {X, Designed("Mine")}}}},
      {"save unsaved, then ...", [&] { editor.level.LevelSaved = false; }, {},
       {{"Set.lvl", {A, B, C, Designed("Mine")}}}},
      {"insert, delete, remove and move the Untitled level", untitledIn2, [](QWidget& manage) {
         Choose(manage, 1, {Qt::Key_Insert, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right});
       }, {}, "Close the level in the editor"},
      {"paste over the Untitled level", untitledIn2,
       [](QWidget& manage) { Choose(manage, 0, {Qt::Key_Space}), Choose(manage, 1, {Qt::Key_Return}); },
       {{"Set.lvl", {A, A, C}}}},
      {"rename the Untitled level", [&] { untitledIn2(), typing("Renamed")(); },
       [](QWidget& manage) { Choose(manage, 1), Press(manage, "cmdCom2"); },
       {{"Set.lvl", {A, Designed("Renamed"), C}}}},
      {"a holder, then the wheel", {}, holderThen([](QWidget& manage) {
         QWidget* list = manage.findChild<QComboBox*>("txtFile");
         QWheelEvent up({5, 5}, list->mapToGlobal(QPointF(5, 5)), {}, {0, 120}, {}, {}, Qt::NoScrollPhase, false);
         QApplication::sendEvent(list, &up);
       }), {}, "You must either fill or delete the [HOLDER] spaces before you can choose"},
      {"a holder, then New", typing("Fresh"), holderThen(press("cmdFileNew"))},
      {"a holder, then Copy", {}, holderThen(press("cmdFileCopy"))},
      {"no collection, then Delete", [&] { std::filesystem::remove(file("Set.lvl")), remove(file("Other.lvl")); },
       press("cmdFileDelete"), {}, "No level collections are present"},
      {"rename to a name in use", typing("OTHER"), press("cmdFileEdit"), {}, exists},
      {"rename to its own name", typing("Set"), press("cmdFileEdit")},
      {"rename", typing("c"), press("cmdFileEdit"), {{"Set.lvl", {}}, {"c.lvl", {A, B, C}}}},
      {"rename to another case of a name", [&] { WriteLevels("set.lvl", {"Z"}), typing("Set")(); },
       [](QWidget& manage) {
         manage.findChild<QComboBox*>("txtFile")->setCurrentText("set.lvl");
         Press(manage, "cmdFileEdit");
       }, {}, exists},
      {"copy onto the copy, No", [&] { WriteLevels("Copy of Set.lvl", {"Z"}), designer.buttonAnswers = {1, 2}; },
       press("cmdFileCopy"), {}, replace},
      {"copy onto the copy, Yes", [&] { WriteLevels("Copy of Set.lvl", {"Z"}); }, press("cmdFileCopy"),
       {{"Copy of Set.lvl", {A, B, C}}}, replace},
      {"copy onto another case of the copy", [&] { WriteLevels("copy of Set.lvl", {"Z"}); }, press("cmdFileCopy"), {},
       exists},
      {"a collection with a gap", [&] { WriteRecords("Set.lvl", {A, "", C}), typing("Renamed")(); },
       [](QWidget& manage) { Choose(manage, 0), Press(manage, "cmdCom2"), Press(manage, "cmdFileCopy"); }, {},
       "This collection has an empty slot"},
  };
  for (const Sequence& s : sequences) {
    std::filesystem::remove_all(levels());
    std::filesystem::create_directory(levels());
    WriteRecords("Set.lvl", {A, B, C});
    WriteRecords("Other.lvl", {X});
    editor.prefs.LevelFile = "Set.lvl";
    editor.level = designed;
    editor.level.LevelTitle = "Mine";
    editor.manage = {};
    designer = {};
    designer.editor = &editor;
    designer.inManagement = s.inManagement;
    window.caption = {"", "", ""};
    if (s.setup) s.setup();
    auto expected = Files();
    for (const auto& [name, records] : s.after) {
      WriteCollection(folder / "expected", records);
      if (records.empty()) expected.erase(name);
      else expected[name] = Hash(folder / "expected");
    }
    if (s.inManagement) OpenLevelManagement(editor, editor.prefs.LevelFile);
    SaveLevel(editor, !s.inManagement);  // after management Ctrl+S, else Save As with its "..."
    EXPECT_EQ(Files(), expected) << s.name;
    EXPECT_TRUE(s.says.empty() || Shown(s.says) > 0) << s.name;
    EXPECT_LE(Shown("No level collections are present"), 1) << s.name;  // offered once
    EXPECT_EQ(window.caption[1] == "(Unsaved)", editor.level.LevelNumber < 1) << s.name;
  }
}

// Of two collections whose names differ only in letter case, the one the designer chooses in the
// dialogs' lists stays chosen through "..." and through every refresh of level management: it is the
// one saved into, guarded and changed, and its twin is never written. The editor's own name typed in
// other capitals still finds the one file there is.
TEST_F(ManageDialogTest, OfTwoCollectionsDifferingOnlyInCaseTheOneChosenIsSavedIntoAndManaged) {
  DesignerDialogs designer;
  testing::RecordingWindow window;
  editor.ui.window = &window;
  editor.ui.dialogs = &designer;
  struct Case {
    const char* levelFile;  // the editor's own collection
    int pick;               // a key the designer then presses in the dialogs' collection lists, 0 for none
    std::string chosen;
    bool twins = true;      // "a.lvl" beside "A.lvl"
  };
  const Case cases[] = {{"a.lvl", 0, "a.lvl"}, {"A.lvl", Qt::Key_Down, "a.lvl"}, {"a.lvl", Qt::Key_Up, "A.lvl"},
                        {"a.LVL", 0, "A.lvl", false}};
  const std::string holderGuard =
      "You must either fill or delete the [HOLDER] spaces before you can close level management.";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.levelFile) + ", then " + c.chosen);
    std::filesystem::remove(file("a.lvl"));
    WriteLevels("A.lvl", {"Big"});
    if (c.twins) WriteLevels("a.lvl", {"Small", "Smaller"});
    const std::string twin = !c.twins ? "" : c.chosen == "A.lvl" ? "a.lvl" : "A.lvl";
    const auto twinBytes = [&] { return twin.empty() ? std::string() : ReadWholeFile(file(twin)).value_or(""); };
    const std::string untouched = twinBytes();
    const std::vector<std::string> titles = Titles(c.chosen);
    const auto pick = [&](QWidget* list) {
      if (c.pick) QTest::keyClick(list, Qt::Key(c.pick));
    };

    // Save As, the designer's pick, then "..." and its Done, then Save into the free slot.
    designer = {};
    designer.editor = &editor;
    designer.inSaveDialog = [&](SaveDialog& save) { pick(save.Files()); };
    editor.prefs.LevelFile = c.levelFile;
    editor.level = {};
    editor.level.Cell(1, 1).TileCode = 1;  // Thresher
    editor.level.Cell(2, 1).TileCode = 9;  // Portal
    editor.level.LevelTitle = "Mine";
    SaveLevel(editor, true);
    std::vector<std::string> saved = titles;
    saved.push_back("Mine");
    EXPECT_EQ(Titles(c.chosen), saved);
    EXPECT_TRUE(twinBytes() == untouched) << twin << " changed";

    // Level management: a holder space keeps Done from closing on the collection that holds it.
    WriteLevels(c.chosen, titles);
    editor.prefs.LevelFile = c.levelFile;
    editor.level.LevelNumber = -1;
    designer.messages.clear();
    Open();
    pick(Collections());
    EXPECT_EQ(Collections()->currentText().toStdString(), c.chosen);
    Choose(*dialog, 0, {Qt::Key_Insert});
    Find("cmdOK")->click();
    EXPECT_EQ(designer.LastMessage(), holderGuard);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Titles(c.chosen).front(), kHolder);
    Choose(*dialog, 0, {Qt::Key_Delete});
    // New refuses the chosen name in the other case.
    designer.inputAnswers = {c.chosen == "A.lvl" ? "a" : "A"};
    Find("cmdFileNew")->click();
    EXPECT_EQ(designer.LastMessage(), "File already exists.");
    EXPECT_EQ(std::filesystem::exists(file("a.lvl")), c.twins);
    Find("cmdOK")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Titles(c.chosen), titles);
    EXPECT_TRUE(twinBytes() == untouched) << twin << " changed";
  }
}

}  // namespace
}  // namespace brolt::editor
