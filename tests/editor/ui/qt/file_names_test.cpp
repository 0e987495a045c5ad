// Collection names are the file system's: a name on disk reads in every dialog as a file manager
// shows it, and a name typed in the editor is created as typed.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "editor/model/commands/collection_commands.h"
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

}  // namespace
}  // namespace brolt::editor
