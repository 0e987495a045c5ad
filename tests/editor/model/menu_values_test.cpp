#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editor/model/custom_values.h"
#include "editor/model/definitions_editor.h"
#include "editor/model/minimap_mouse.h"
#include "editor/support/input_window.h"
#include "editor/support/levels_folder_editor.h"

namespace brolt::editor {
namespace {

struct MenuValuesFixture : ::testing::Test, testing::LevelsFolderEditor {
  MenuValuesFixture() {
    editor.ui.window = &window;
    editor.ui.canvas = &canvas;
    editor.view.ViewportWidth = 600;
    editor.view.ViewportHeight = 400;
  }
  testing::InputWindow window;
  testing::RecordingCanvas canvas;
};

struct CustomCase {
  std::string answer;
  std::optional<int> saturation;  // nothing: no answer
  float zoom;                     // from 20
};

TEST_F(MenuValuesFixture, CustomSaturationAndZoomAreHeldToTheirRanges) {
  for (const CustomCase& c : {CustomCase{"0", 1, 10}, CustomCase{"150", 100, 100}, CustomCase{"5", 5, 10},
                              CustomCase{"300", 100, 100}, CustomCase{"30", 30, 30}, CustomCase{"", std::nullopt, 20}}) {
    dialogs.inputAnswers = {c.answer, c.answer};
    editor.view.TileSize = 20;
    EXPECT_EQ(AskCustomSaturation(editor), c.saturation) << c.answer;
    AskCustomZoom(editor);
    EXPECT_FLOAT_EQ(editor.view.TileSize, c.zoom) << c.answer;
  }
  EXPECT_EQ(dialogs.prompts.front(), "What is your desired saturation level in percent?");
}

TEST_F(MenuValuesFixture, EditDefineStartsTabwrightOnTheOpenDatabase) {
  EditDefinitions(editor);
  ASSERT_EQ(launcher.starts.size(), 1U);
  EXPECT_EQ(launcher.starts[0].program, "tabwright");  // found on the PATH
  EXPECT_EQ(launcher.starts[0].arguments, std::vector<std::string>{(folder.path() / "Define.qdm").string()});

  WriteCollection(folder.path() / "tabwright", {"x"});
  launcher.failure = "No such program";
  EditDefinitions(editor);
  EXPECT_EQ(launcher.starts[1].program, folder.path() / "tabwright");
  EXPECT_EQ(dialogs.LastMessage(), "ERROR:  No such program. Cannot start the definitions editor tabwright.");
}

TEST_F(MenuValuesFixture, TheMinimapShowsThePointedCellAndDragsTheViewWithTheLeftButtonOnly) {
  editor.prefs.MiniWidth = 150;
  MiniLevelMouseDown(editor, kRightButton, 30, 30);
  MiniLevelMouseMove(editor, 149, 0);
  EXPECT_EQ(window.status[1].text, "Col: 49");
  EXPECT_EQ(window.status[2].text, "Row: 0");
  EXPECT_EQ(canvas.viewMoves, 0);
  MiniLevelMouseUp(editor, kRightButton, 149, 0);
  EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{"minimap"});

  MiniLevelMouseDown(editor, kLeftButton, 60, 45);
  MiniLevelMouseMove(editor, 61, 46);
  EXPECT_EQ(editor.view.ViewX, static_cast<int>(editor.preview.MiniSelectLeft / 3));
  EXPECT_EQ(editor.view.ViewX, 20);
  MiniLevelMouseUp(editor, kLeftButton, 61, 46);
  EXPECT_EQ(editor.input.MiniMouseButton, 0);
  EXPECT_EQ(window.minimapPointer, 0);
}

}  // namespace
}  // namespace brolt::editor
