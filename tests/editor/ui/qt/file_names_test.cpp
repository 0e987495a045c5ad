// Collection names are the file system's: a name on disk reads in every dialog as a file manager
// shows it, and a name typed in the editor is created as typed.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "common/numeric.h"
#include "editor/model/collections/level_management.h"
#include "editor/model/commands/collection_commands.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/model/commands/compile_collection.h"
#include "editor/model/commands/open_level.h"
#include "editor/model/commands/save_level.h"
#include "editor/support/answering_boxes.h"
#include "editor/support/collection_fixture.h"
#include "editor/support/fake_help_host.h"
#include "editor/support/modal_script.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/ui/boxes/input_box_window.h"
#include "editor/ui/boxes/qt_dialogs.h"
#include "editor/ui/canvas/level_canvas.h"
#include "editor/ui/dialogs/compile_dialog.h"
#include "editor/ui/dialogs/level_management_dialog.h"
#include "editor/ui/dialogs/load_dialog.h"
#include "editor/ui/dialogs/save_dialog.h"
#include "editor/ui/main_window/main_window.h"
#include "editor/ui/qt/input_line.h"
#include "support/patience.h"

namespace brolt::editor {
namespace {

const std::string kOnDisk = "Gr\xC3\xB6\xC3\x9Ftes Level.lvl";  // UTF-8, as a file manager writes it
const QString kShown = QString::fromUtf8("Größtes Level.lvl");

struct FileNames : testing::CollectionFixture {
  FileNames() { WriteLevels(kOnDisk, {"First"}); }
};

TEST_F(FileNames, AUtf8NameOnDiskReadsAsItIsInTheListsAndTheToolBar) {
  struct Case {
    const char* where;
    std::function<QString(Editor&)> shown;
  };
  const Case cases[] = {
      {"save dialog", [](Editor& editor) {
         SaveDialogState state;
         EXPECT_TRUE(PrepareSaveDialog(editor, state));
         return SaveDialog(editor, state).Files()->currentText();
       }},
      {"load dialog", [](Editor& editor) {
         LoadDialogState state;
         EXPECT_TRUE(PrepareLoadDialog(editor, state));
         return LoadDialog(editor, state).Files()->currentText();
       }},
      {"compile dialog, its levels counted from the name", [](Editor& editor) {
         CompileChoices choices{.files = {kOnDisk}, .file = kOnDisk};
         CompileDialog dialog(editor, choices);
         EXPECT_EQ(dialog.findChild<QLabel*>("labCount")->text(), "available levels. (1 total)");
         return dialog.findChild<QComboBox*>("txtFile")->currentText();
       }},
      {"level management, its levels read through the name", [](Editor& editor) {
         LevelManagementDialog dialog(editor, kOnDisk);
         EXPECT_TRUE(dialog.findChild<QListWidget*>("txtLevels")->item(0)->text().endsWith("First"));
         return dialog.findChild<QComboBox*>("txtFile")->currentText();
       }},
      {"tool bar", [](Editor& editor) {
         const TilesetPictures pictures = testing::SyntheticTileset();
         MainWindow window(editor, pictures);
         window.ShowLevelCaption("First", "(001/001)", kOnDisk);
         return window.findChild<QLabel*>("txtLevelFile")->text();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(c.shown(editor), kShown);
  }
}

// The designer types over the offered name in the real input box; QTest types ASCII only, so each
// key carries its text.
void TypeAndAccept(const QString& keys) {
  testing::WhenModalShown([keys](QWidget* modal) {
    auto* box = qobject_cast<InputBoxWindow*>(modal);
    ASSERT_NE(box, nullptr);
    for (QChar key : keys) QTest::sendKeyEvent(QTest::Click, box->Line(), Qt::Key_unknown, QString(key), {});
    QTest::keyClick(box->Line(), Qt::Key_Return);
  });
}

TEST_F(FileNames, ANameTypedInThePromptsIsCreatedOnDiskAsTyped) {
  struct Case {
    const char* where;
    QString keys;
    std::function<std::string(Editor&)> command;
    std::string created;
    QString prompt;
  };
  const Case cases[] = {
      {"new collection", QString::fromUtf8("schön"), [](Editor& editor) { return NewCollectionFile(editor); },
       "Sch\xC3\xB6n.lvl", "Type a new collection filename below."},
      {"renamed collection", QString::fromUtf8("größer"), [](Editor& editor) { return RenameCollectionFile(editor, kOnDisk); },
       "Gr\xC3\xB6\xC3\x9F" "er.lvl",
       QString::fromUtf8("Type a new filename for Größtes Level.lvl below.")},
  };
  testing::FakeHelpHost host;
  QtDialogs boxes(editor, host);
  editor.ui.dialogs = &boxes;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    TypeAndAccept(c.keys);
    EXPECT_EQ(c.command(editor), c.created);
    EXPECT_EQ(boxes.InputBox().Prompt()->text(), c.prompt);
    EXPECT_TRUE(std::filesystem::exists(Levels(c.created)));
  }
  EXPECT_FALSE(std::filesystem::exists(Levels(kOnDisk))) << "the renamed one is gone";
}

// Collections an older program named in Latin-1 and names that read alike, beside an ordinary one.
struct Named {
  const char* kind;
  std::string onDisk;
  std::string readable;  // as the lists show it, in UTF-8
  std::string inMessages;
  std::vector<std::string> titles;
};
const Named kNamed[] = {
    {"Latin-1", "Gr\xF6\xDF" "er.lvl", "Gr\xC3\xB6\xC3\x9F" "er.lvl", "Gr\xF6\xDF" "er.lvl", {"Latin One", "Latin Two"}},
    {"Latin-1 without a twin", "Sch\xF6n.lvl", "Sch\xC3\xB6n.lvl", "Sch\xF6n.lvl", {"Alone One", "Alone Two"}},
    {"its UTF-8 twin", "Gr\xC3\xB6\xC3\x9F" "er.lvl", "Gr\xC3\xB6\xC3\x9F" "er.lvl", "Gr\xF6\xDF" "er.lvl", {"Twin One", "Twin Two"}},
    {"UTF-8", kOnDisk, kOnDisk, "Gr\xF6\xDFtes Level.lvl", {"Big One", "Big Two"}},
    {"beyond Latin-1", "\xC5\x81\xC3\xB3" "d\xC5\xBA.lvl", "\xC5\x81\xC3\xB3" "d\xC5\xBA.lvl", "?\xF3" "d?.lvl", {"Far One", "Far Two"}},
};

using Folder = std::map<std::string, std::string>;
using Titles = std::vector<std::string>;

// The modal window of this kind once it is up, past any question shown before it.
template <typename Window>
void WhenUp(std::function<void(Window&)> hand,
            QDeadlineTimer patience = QDeadlineTimer(std::chrono::seconds(testing::kDesktopPatience))) {
  QTimer::singleShot(10, [hand = std::move(hand), patience]() mutable {
    auto* window = dynamic_cast<Window*>(QApplication::activeModalWidget());
    if (window != nullptr && window->isVisible()) hand(*window);
    else if (!patience.hasExpired()) WhenUp<Window>(std::move(hand), patience);
    else ADD_FAILURE() << "the window did not come up";
  });
}

// A collection chosen with the keys: the first entry, then down to it.
void ChooseEntry(QComboBox* box, int index) {
  QTest::keyClick(box, Qt::Key_Home);
  for (int down = 0; down < index; ++down) QTest::keyClick(box, Qt::Key_Down);
}

QPushButton* Button(QWidget& window, const QString& nameOrCaption) {
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->objectName() == nameOrCaption || button->text() == nameOrCaption) return button;
  ADD_FAILURE() << nameOrCaption.toStdString();
  return nullptr;
}

struct NamedCollections : testing::CollectionFixture {
  NamedCollections() { editor.ui.dialogs = &boxes; }

  // The folder afresh, the editor with no level open and the target as its collection.
  void Refill(const Named& target) {
    std::filesystem::remove_all(levels);
    std::filesystem::create_directories(levels);
    for (const Named& named : kNamed) WriteLevels(named.onDisk, named.titles);
    WriteLevels("Sandbox.lvl", {"Sand"});
    editor.level = {};
    editor.prefs.LevelFile = target.onDisk;
    boxes.shown.clear();
  }
  Folder Snapshot() const {
    Folder files;
    for (const auto& entry : std::filesystem::directory_iterator(levels))
      files[entry.path().filename().string()] = Bytes(entry.path().filename().string());
    return files;
  }
  // The level titles up to the first empty record or the tag record.
  Titles TitlesOf(const std::string& name) const {
    Titles titles;
    for (long slot = 1;; ++slot) {
      const std::string title = TrimSpaces(FieldText(ReadSlot(Levels(name), slot), level_field::Title));
      if (title.empty()) return titles;
      titles.push_back(title);
    }
  }

  // Types over the offered name in the real input box: its extension cut, a "2", and the rules put
  // the extension back.
  static void TypeNewName() {
    WhenUp<InputBoxWindow>([](InputBoxWindow& box) {
      QTest::keyClick(box.Line(), Qt::Key_End);
      for (int cut = 0; cut < 4; ++cut) QTest::keyClick(box.Line(), Qt::Key_Backspace);
      QTest::keyClicks(box.Line(), "2");
      QTest::keyClick(box.Line(), Qt::Key_Return);
    });
  }
  // Level management on the target, as "..." or a command opens it: it must show that collection.
  void InManagement(const Named& target, std::function<void(LevelManagementDialog&)> hand) {
    WhenUp<LevelManagementDialog>([&target, hand = std::move(hand)](LevelManagementDialog& dialog) {
      EXPECT_EQ(dialog.findChild<QComboBox*>("txtFile")->currentText(), QString::fromStdString(target.readable));
      hand(dialog);
      Button(dialog, "cmdOK")->click();
    });
  }
  // The target chosen in the load or save dialog that `command` shows, "...", and Delete in the
  // level management that opens.
  template <typename Dialog>
  void DeleteThroughManagement(const Named& target, int place, const std::function<void()>& command) {
    WhenUp<Dialog>([&](Dialog& dialog) {
      ChooseEntry(dialog.Files(), place);
      InManagement(target, [](LevelManagementDialog& manage) { Button(manage, "cmdFileDelete")->click(); });
      Button(dialog, "...")->click();
      dialog.reject();
    });
    command();
    EXPECT_EQ(boxes.shown.back(), DeleteQuestion(target));
  }
  std::string DeleteQuestion(const Named& target) const {
    return "There is no undo when deleting collection files. Are you sure you wish to delete '" + target.inMessages + "'?";
  }

  testing::AnsweringBoxes boxes{editor};
};

TEST_F(NamedCollections, EachCommandActsOnItsOwnCollectionAndLeavesEveryOtherByteForByte) {
  struct Command {
    const char* name;
    // Runs the command through the real dialogs, the target chosen in them at `place`.
    std::function<void(const Named&, int place)> run;
    // The files it makes or changes with their level titles; nothing for a file it removes.
    std::function<std::map<std::string, std::optional<Titles>>(const Named&)> effect;
  };
  auto withExtension = [](const std::string& name, const char* extension) {
    return name.substr(0, name.size() - 4) + extension;
  };
  auto nothing = [](const Named&) { return std::map<std::string, std::optional<Titles>>{}; };
  auto removed = [](const Named& t) { return std::map<std::string, std::optional<Titles>>{{t.onDisk, std::nullopt}}; };
  auto management = [this](const Named& t, int place, const std::function<void(LevelManagementDialog&)>& hand) {
    InManagement(t, [place, hand](LevelManagementDialog& dialog) {
      ChooseEntry(dialog.findChild<QComboBox*>("txtFile"), place);
      hand(dialog);
    });
    OpenLevelManagement(editor, t.onDisk);
  };
  const Command commands[] = {
      {"open", [this](const Named& t, int place) {
         WhenUp<LoadDialog>([&](LoadDialog& dialog) {
           ChooseEntry(dialog.Files(), place);
           EXPECT_EQ(dialog.Files()->currentText(), QString::fromStdString(t.readable));
           dialog.Levels()->setCurrentRow(1);
           dialog.OkButton()->click();
         });
         OpenLevel(editor, kAskWithLoadDialog);
         EXPECT_EQ(editor.prefs.LevelFile, t.onDisk);
         EXPECT_EQ(editor.level.LevelTitle, t.titles[1]);
       }, nothing},
      {"save into", [this](const Named& t, int place) {
         PlacePlayable();
         editor.level.LevelTitle = "Saved";
         WhenUp<SaveDialog>([&](SaveDialog& dialog) {
           ChooseEntry(dialog.Files(), place);
           EXPECT_EQ(dialog.Files()->currentText(), QString::fromStdString(t.readable));
           dialog.OkButton()->click();
         });
         SaveLevel(editor, true);
       }, [](const Named& t) {
         Titles titles = t.titles;
         titles.push_back("Saved");
         return std::map<std::string, std::optional<Titles>>{{t.onDisk, titles}};
       }},
      {"rename", [&](const Named& t, int place) {
         management(t, place, [](LevelManagementDialog& dialog) {
           TypeNewName();
           Button(dialog, "cmdFileEdit")->click();
         });
       }, [&](const Named& t) {
         return std::map<std::string, std::optional<Titles>>{{t.onDisk, std::nullopt},
                                                             {withExtension(t.readable, "2.lvl"), t.titles}};
       }},
      {"rename keeping the offered name", [&](const Named& t, int place) {
         management(t, place, [](LevelManagementDialog& dialog) {
           WhenUp<InputBoxWindow>([](InputBoxWindow& box) { QTest::keyClick(box.Line(), Qt::Key_Return); });
           Button(dialog, "cmdFileEdit")->click();
         });
       }, nothing},
      {"copy", [&](const Named& t, int place) {
         management(t, place, [](LevelManagementDialog& dialog) { Button(dialog, "cmdFileCopy")->click(); });
       }, [](const Named& t) { return std::map<std::string, std::optional<Titles>>{{"Copy of " + t.onDisk, t.titles}}; }},
      {"remove", [&](const Named& t, int place) {
         management(t, place, [](LevelManagementDialog& dialog) { Button(dialog, "cmdFileDelete")->click(); });
         EXPECT_EQ(boxes.shown.back(), DeleteQuestion(t));
       }, removed},
      {"a level command", [&](const Named& t, int place) {
         management(t, place, [](LevelManagementDialog& dialog) {
           auto* levelList = dialog.findChild<QListWidget*>("txtLevels");
           levelList->setCurrentRow(0);
           QTest::keyClick(levelList, Qt::Key_Delete);
         });
       }, [](const Named& t) { return std::map<std::string, std::optional<Titles>>{{t.onDisk, Titles{t.titles[1]}}}; }},
      // Compile offers the editor's collection, the target, at first.
      {"compile", [this](const Named& t, int) {
         WhenUp<CompileDialog>([&](CompileDialog& dialog) {
           auto* files = dialog.findChild<QComboBox*>("txtFile");
           EXPECT_EQ(files->currentText(), QString::fromStdString(t.readable));
           dialog.OkButton()->click();
         });
         CompileCollection(editor);
       }, [&](const Named& t) {
         return std::map<std::string, std::optional<Titles>>{{withExtension(t.onDisk, ".clvl"), t.titles}};
       }},
      {"\"...\" from the load dialog", [this](const Named& t, int place) {
         DeleteThroughManagement<LoadDialog>(t, place, [this] { OpenLevel(editor, kAskWithLoadDialog); });
       }, removed},
      {"\"...\" from the save dialog", [this](const Named& t, int place) {
         PlacePlayable();
         DeleteThroughManagement<SaveDialog>(t, place, [this] { SaveLevel(editor, true); });
       }, removed},
  };
  for (const Command& command : commands) {
    for (const Named& target : kNamed) {
      SCOPED_TRACE(std::string(command.name) + " on the " + target.kind + " name");
      Refill(target);
      const Folder before = Snapshot();
      const std::vector<std::string> listed = ListCollectionFiles(editor, true, false).Files;
      command.run(target, static_cast<int>(std::find(listed.begin(), listed.end(), target.onDisk) - listed.begin()));
      const Folder after = Snapshot();
      const auto effect = command.effect(target);
      std::set<std::string> expectedNames, names;
      for (const auto& [name, bytes] : before) {
        if (effect.contains(name)) continue;
        expectedNames.insert(name);
        EXPECT_TRUE(after.contains(name) && after.at(name) == bytes) << name << " changed";
      }
      for (const auto& [name, titles] : effect) {
        if (!titles) continue;
        expectedNames.insert(name);
        EXPECT_EQ(TitlesOf(name), *titles) << name;
      }
      for (const auto& [name, bytes] : after) names.insert(name);
      EXPECT_EQ(names, expectedNames);
    }
  }
}

}  // namespace
}  // namespace brolt::editor
