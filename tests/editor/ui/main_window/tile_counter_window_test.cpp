#include "editor/ui/main_window/tile_counter_window.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QTest>
#include <QTimer>

#include <functional>

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

// Three tiles in the catalogue, two of them on the map, and the setting behind the check box.
struct TileCounterTest : ::testing::Test, testing::LevelsFolderEditor {
  TileCounterTest() {
    editor.ui.window = &counter;
    testing::SetTestColorScheme(editor);
    raw.Execute("CREATE TABLE Tileset (Type, \"Desc\"); INSERT INTO Tileset VALUES (45, 'Dirt'), (21, 'Unid'), "
                "(250, 'Far tile'); CREATE TABLE Settings (Variable TEXT, Value TEXT);"
                "INSERT INTO Settings VALUES ('useprimaryfortilecounter', '0')");
    editor.DefineDb = std::make_unique<Database>(folder / "Define.qdm");
    editor.level.Cell(0, 0).TileCode = 21;
    editor.level.Cell(1, 0).TileCode = 250;
    window = std::make_unique<TileCounterWindow>(editor, nullptr);
  }

  testing::RawDatabase raw{folder / "Define.qdm"};
  RecordingCounter counter;
  std::unique_ptr<TileCounterWindow> window;
};

TEST_F(TileCounterTest, ShowsTheCountsLinedUpAndClicksMoveTheCounterUntilADoubleClickCloses) {
  std::vector<std::string> lines;
  QTimer::singleShot(0, [&] {
    QListWidget* list = window->Lines();
    for (int row = 0; row < list->count(); ++row) lines.push_back(list->item(row)->text().toStdString());
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    EXPECT_TRUE(testing::SaveScreenshot(*window, "tile_counter"));
    testing::Click(window->UsePrimaryBox(), {4, 4}, Qt::RightButton);
    EXPECT_FALSE(editor.prefs.UsePrimaryForCounter);
    window->UsePrimaryBox()->click();
    EXPECT_TRUE(editor.prefs.UsePrimaryForCounter);
    list->setCurrentRow(2);
    emit list->itemClicked(list->item(2));
    EXPECT_EQ(counter.tile, 250);
    EXPECT_TRUE(window->isVisible());
    list->setCurrentRow(0);
    emit list->itemDoubleClicked(list->item(0));
  });
  ShowTileCount(editor, *window);
  EXPECT_EQ(lines, (std::vector<std::string>{"Dirt........................0", "Unid........................1",
                                             "Far tile....................1"}));
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"useprimarytilefortilecounter"}));
  EXPECT_EQ(counter.tile, 45);
  EXPECT_FALSE(window->isVisible());
}

// Each mouse path of the list and the check box, as the designer's hand takes it while the dialog
// is up on the unid's line: the tile counted, whether the dialog is still open, the stored setting
// (0 on, -1 off) and the help opened.
TEST_F(TileCounterTest, EachMousePathOfTheListAndTheBoxDoesItsOwnThing) {
  struct Case {
    const char* path;
    std::function<void(QListWidget* list, QWidget* box)> hand;
    int counted;
    bool open;
    const char* stored;
    std::vector<std::string> topics;
  };
  const auto line = [](QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); };
  const Case cases[] = {
      {"click on line 3", [&](QListWidget* list, QWidget*) { testing::Click(list->viewport(), line(list, 2)); }, 250,
       true, "-1", {}},
      {"double click on line 1", [&](QListWidget* list, QWidget*) { testing::DoubleClick(list->viewport(), line(list, 0)); },
       45, false, "-1", {}},
      {"left click on the box", [](QListWidget*, QWidget* box) { QTest::mouseClick(box, Qt::LeftButton, {}, {4, 4}); },
       21, true, "0", {}},
      {"right click on the box", [](QListWidget*, QWidget* box) { testing::Click(box, {4, 4}, Qt::RightButton); }, 21,
       true, "-1", {"useprimarytilefortilecounter"}},
  };
  for (const Case& c : cases) {
    raw.Execute("UPDATE Settings SET Value = '-1'");
    editor.prefs.UsePrimaryForCounter = false;
    editor.tools.CounterTile = 21;
    dialogs.helpTopics.clear();
    window = std::make_unique<TileCounterWindow>(editor, nullptr);
    bool open = false;
    QTimer::singleShot(0, [&] {
      c.hand(window->Lines(), window->UsePrimaryBox());
      open = window->isVisible();
      if (open) window->OkButton()->click();
    });
    ShowTileCount(editor, *window);
    EXPECT_EQ(counter.tile, c.counted) << c.path;
    EXPECT_EQ(open, c.open) << c.path;
    EXPECT_EQ(raw.Column("SELECT Value FROM Settings").at(0), c.stored) << c.path;
    EXPECT_EQ(dialogs.helpTopics, c.topics) << c.path;
  }
}

}  // namespace
}  // namespace brolt::editor
