#include "editor/program/editor_startup.h"

#include <gtest/gtest.h>

#include "editor/support/definitions_fixture.h"

namespace brolt::editor {
namespace {

class RecordingWindow : public WindowControls {
 public:
  std::vector<int> pointers;
  std::vector<bool> developerItems;
  void SetMousePointer(int pointer) override { pointers.push_back(pointer); }
  void ShowDeveloperItems(bool visible) override { developerItems.push_back(visible); }
};

TEST(EditorStartup, OpensTheMainWindowOnABlankLevelThatCanBeUndoneTo) {
  testing::DefinitionsFixture fixture;
  fixture.AddRows("KARVEL", {{"brenwick", "zq"}});
  fixture.AddSettings({{"formcaption", "My Editor"}, {"undomax", "4"}, {"tilewidth", "25"}, {"windowstate", "0"}});
  RecordingWindow window;
  EditorProgram program;
  program.editor.AppPath = fixture.folder.path();
  program.editor.ui.window = &window;

  Main(program);

  const Editor& editor = program.editor;
  EXPECT_TRUE(editor.DeveloperMode);
  EXPECT_EQ(window.developerItems, std::vector<bool>{true});
  EXPECT_EQ(editor.splash.Steps, 4);  // the tileset's step belongs to the catalogue's loading
  ASSERT_FALSE(window.pointers.empty());  // the hourglass over the start-up, the default after it
  EXPECT_EQ(window.pointers.front(), 11);
  EXPECT_EQ(window.pointers.back(), 0);
  EXPECT_TRUE(program.mainWindow.isVisible());
  EXPECT_EQ(program.mainWindow.windowTitle(), "My Editor");
  EXPECT_EQ(editor.view.LevelExtent, 1250);
  EXPECT_EQ(editor.undo.UndoMax, 4);
  EXPECT_EQ(editor.undo.UndoIndex, 0);
  EXPECT_TRUE(IsUndoSlotWritten(editor.undo, 0));
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.level.Cell(49, 49).MarkerIndex, 2500);
  EXPECT_EQ(editor.tools.CounterTile, 21);
  program.mainWindow.close();
}

}  // namespace
}  // namespace brolt::editor
