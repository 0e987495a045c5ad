// The start-up on a folder of the fewest definitions; its run on the generated content is the
// designer sequence's first step.
#include "editor/program/editor_startup.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <filesystem>

#include "editor/support/definitions_fixture.h"
#include "editor/support/scripted_dialogs.h"
#include "editor/support/widget_events.h"
#include "support/cut_off_writes.h"

namespace brolt::editor {
namespace {

class RecordingWindow : public WindowControls {
 public:
  std::vector<int> pointers;
  std::vector<bool> developerItems;
  void SetMousePointer(int pointer) override { pointers.push_back(pointer); }
  void ShowDeveloperItems(bool visible) override { developerItems.push_back(visible); }
};

// The tileset picture that the start-up reads, one colour all over.
bool WriteTileset(const testing::DefinitionsFixture& fixture) {
  std::filesystem::create_directory(fixture.folder / "Graphics");
  QImage tileset(256, 256, QImage::Format_RGB32);
  tileset.fill(Qt::darkGreen);
  return tileset.save(QString::fromStdString((fixture.folder / "Graphics" / "Tileset.bmp").string()));
}

TEST(EditorStartup, OpensTheMainWindowWhereItWasLeftOnABlankLevelThatCanBeUndoneTo) {
  testing::DefinitionsFixture fixture;
  fixture.AddRows("KARVEL", {{"brenwick", "zq"}});
  fixture.AddSettings({{"formcaption", "My Editor"}, {"tilewidth", "25"}, {"windowstate", "0"}, {"windowx", "30"},
                       {"windowy", "40"}, {"windoww", "700"}, {"windowh", "500"}, {"centerwindow", "-1"},
                       {"statusbar", "Right-click any control for help."}});
  ASSERT_TRUE(WriteTileset(fixture));
  RecordingWindow window;
  brolt::testing::ScriptedDialogs dialogs;  // the empty levels folder asks for a first collection
  EditorProgram program(fixture.folder.path());
  program.editor.ui.window = &window;
  program.editor.ui.dialogs = &dialogs;

  Main(program);

  const Editor& editor = program.editor;
  EXPECT_EQ(window.developerItems, std::vector<bool>{true});
  EXPECT_EQ(editor.splash.Steps, 5);
  ASSERT_FALSE(window.pointers.empty());  // the hourglass over the start-up, the default after it
  EXPECT_EQ(window.pointers.front(), 11);
  EXPECT_EQ(window.pointers.back(), 0);
  EXPECT_TRUE(program.mainWindow.isVisible());
  EXPECT_EQ(program.mainWindow.windowTitle(), "My Editor");
  EXPECT_EQ(editor.view.LevelExtent, 1250);
  EXPECT_EQ(editor.undo.UndoIndex, 0);
  EXPECT_TRUE(IsUndoSlotWritten(editor.undo, 0));
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.level.Cell(49, 49).MarkerIndex, 2500);

  program.editor.ui.window = &program.controls;  // the program's own window from here on
  MainWindow& shown = program.mainWindow;
  QApplication::setActiveWindow(&shown);  // the canvas takes the keys
  for (const auto& [key, held] : {std::pair{Qt::Key_Space, "YOU ARE IN ERASE MODE... "},
                                  std::pair{Qt::Key_S, "YOU ARE IN SPUNGE MODE... "}}) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, key, Qt::NoModifier);
      QApplication::sendEvent(QApplication::focusWidget(), &event);
      EXPECT_EQ(shown.StatusField(0).text().toStdString(),
                type == QEvent::KeyPress ? held : "Right-click any control for help. ");  // the cell's text again
    }
  }
  testing::Click(&shown.StatusField(2), {3, 3}, Qt::RightButton);
  EXPECT_EQ(dialogs.helpTopics.back(), "statusbar");

  // Saved and restored as the client area (geometry(), which setGeometry places); offscreen has no
  // frame to tell it from the outer one, but on a desktop keeping to it stops any creep by the frame.
  EXPECT_EQ(shown.geometry(), QRect(30, 40, 700, 500));
  shown.setGeometry(50, 60, 720, 510);
  shown.close();  // the exit saves the preferences
  ASSERT_TRUE(shown.Ended());
  EditorProgram again(fixture.folder.path());
  again.editor.ui.dialogs = &dialogs;
  Main(again);
  EXPECT_EQ(again.mainWindow.geometry(), QRect(50, 60, 720, 510));
  again.mainWindow.hide();
}

// What a write cut off by a crash left goes at the start from both folders the editor writes in; a
// person's hidden files, fresh or old, and a write still running stay.
TEST(EditorStartup, RemovesOnlyWhatACutOffWriteLeftWhereItWrites) {
  for (const auto& [personsFilesOld, runningHeldAt] :
       {std::pair{false, ReplaceStep::BytesWritten}, std::pair{true, ReplaceStep::Flushed}}) {
    SCOPED_TRACE(personsFilesOld ? "old" : "fresh");
    testing::DefinitionsFixture fixture;
    fixture.AddSettings({{"levelspath", "/Collections/"}});
    ASSERT_TRUE(WriteTileset(fixture));
    brolt::testing::FolderAfterACrash collections(fixture.folder / "Collections", personsFilesOld, runningHeldAt);
    brolt::testing::FolderAfterACrash gameLevels(fixture.folder / "Levels", personsFilesOld, runningHeldAt);
    RecordingWindow window;
    brolt::testing::ScriptedDialogs dialogs;
    EditorProgram program(fixture.folder.path());
    program.editor.ui.window = &window;
    program.editor.ui.dialogs = &dialogs;
    Main(program);
    collections.ExpectOnlyTheLeftoverRemoved();
    gameLevels.ExpectOnlyTheLeftoverRemoved();
    program.mainWindow.hide();
  }
}

}  // namespace
}  // namespace brolt::editor
