#include "editor/ui/main_window/tile_counter_window.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QTimer>

#include "common/test_database.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"

namespace brolt::editor {
namespace {

// Records where the counter was moved.
struct RecordingCounter : WindowControls {
  int tile = -1;
  void ShowTileCounter(int shownTile, int) override { tile = shownTile; }
};

TEST(TileCounterWindow, ShowsTheCountsLinedUpAndClicksMoveTheCounterUntilADoubleClickCloses) {
  testing::LevelsFolderEditor t;
  RecordingCounter counter;
  t.editor.ui.window = &counter;
  testing::SetTestColorScheme(t.editor);
  testing::RawDatabase(t.folder / "Define.qdm")
      .Execute("CREATE TABLE Tileset (Type, \"Desc\"); INSERT INTO Tileset VALUES (45, 'Dirt'), (21, 'Unid'), "
               "(250, 'Far tile')");
  t.editor.DefineDb = std::make_unique<Database>(t.folder / "Define.qdm");
  t.editor.level.Cell(0, 0).TileCode = 21;
  t.editor.level.Cell(1, 0).TileCode = 250;
  TileCounterWindow window(t.editor, nullptr);
  std::vector<std::string> lines;
  QTimer::singleShot(0, [&] {
    QListWidget* list = window.Lines();
    for (int row = 0; row < list->count(); ++row) lines.push_back(list->item(row)->text().toStdString());
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    EXPECT_TRUE(testing::SaveScreenshot(window, "tile_counter"));
    testing::Click(window.UsePrimaryBox(), {4, 4}, Qt::RightButton);
    EXPECT_FALSE(t.editor.prefs.UsePrimaryForCounter);
    window.UsePrimaryBox()->click();
    EXPECT_TRUE(t.editor.prefs.UsePrimaryForCounter);
    list->setCurrentRow(2);
    emit list->itemClicked(list->item(2));
    EXPECT_EQ(counter.tile, 250);
    EXPECT_TRUE(window.isVisible());
    list->setCurrentRow(0);
    emit list->itemDoubleClicked(list->item(0));
  });
  ShowTileCount(t.editor, window);
  EXPECT_EQ(lines, (std::vector<std::string>{"Dirt........................0", "Unid........................1",
                                             "Far tile....................1"}));
  EXPECT_EQ(t.dialogs.helpTopics, (std::vector<std::string>{"useprimarytilefortilecounter"}));
  EXPECT_EQ(counter.tile, 45);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace brolt::editor
