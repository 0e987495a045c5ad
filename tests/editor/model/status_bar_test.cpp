#include "editor/model/status_bar.h"

#include <gtest/gtest.h>

#include "editor/support/canvas_test_editor.h"

namespace brolt::editor {
namespace {

using testing::CanvasTestEditor;

TEST(UpdateStatusBar, DescribesTheCellUnderThePointer) {
  struct Case {
    const char* name;
    int tile, direction;
    bool developer;
    const char* text;
    bool bold;
  };
  const Case cases[] = {
      {"an empty cell shows the preference text", 0, 0, false, "Nothing here", true},
      {"a wall facing right", testing::kWall, 2, false, "Tile: Wall (Right)", false},
      {"a direction above 4 has no word", testing::kWall, 7, false, "Tile: Wall", false},
      {"developer mode adds code and digit", testing::kWall, 1, true, "Tile: Wall (2)  1 - (Up)", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CanvasTestEditor t;
    t.editor.tiles.TileDefs[testing::kWall].Desc = "Wall";
    t.editor.prefs.StatusBarText = "Nothing here";
    t.editor.DeveloperMode = c.developer;
    t.Cell(4, 6) = MapCell{static_cast<std::int16_t>(c.tile), static_cast<std::int16_t>(c.direction)};
    t.PointAt(4, 6);
    UpdateStatusBar(t.editor);
    EXPECT_EQ(t.window.status[0].text, c.text);
    EXPECT_EQ(t.window.status[0].bold, c.bold);
    EXPECT_EQ(t.window.status[1].text, "Col: 4");
    EXPECT_EQ(t.window.status[2].text, "Row: 6");
  }
}

TEST(UpdateStatusBar, BeyondTheCanvasOnlyTheColumnAndRowChange) {
  CanvasTestEditor t;
  t.window.status[0].text = "before";
  t.editor.input.MouseX = 1001;
  t.editor.input.MouseY = 30;
  UpdateStatusBar(t.editor);
  EXPECT_EQ(t.window.status[1].text, "Col: ?");
  EXPECT_EQ(t.window.status[2].text, "Row: ?");
  EXPECT_EQ(t.window.status[0].text, "before");
  EXPECT_EQ(t.window.status.count(3), 0u);
}

}  // namespace
}  // namespace brolt::editor
