#include "editor/ui/tile_counter_window.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QTimer>

#include "common/test_database.h"
#include "editor/support/scripted_dialogs.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

class RecordingCounter : public WindowControls {
 public:
  int tile = -1;
  void ShowTileCounter(int shownTile, int) override { tile = shownTile; }
};

class TileCounterWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.ui.dialogs = &dialogs_;
    editor_.ui.window = &counter_;
    testing::SetTestColorScheme(editor_);
    testing::RawDatabase(folder_ / "Define.qdm")
        .Execute("CREATE TABLE Tileset (Type, \"Desc\"); INSERT INTO Tileset VALUES (45, 'Dirt'), (21, 'Unid'), "
                 "(250, 'Far tile')");
    editor_.DefineDb = std::make_unique<Database>(folder_ / "Define.qdm");
    editor_.level.Cell(0, 0).TileCode = 21;
    editor_.level.Cell(1, 0).TileCode = 250;
    window_ = std::make_unique<TileCounterWindow>(editor_, nullptr);
  }

  testing::TempFolder folder_;
  testing::ScriptedDialogs dialogs_;
  RecordingCounter counter_;
  Editor editor_;
  std::unique_ptr<TileCounterWindow> window_;
};

TEST_F(TileCounterWindowTest, ShowsTheCountsInAFixedWidthFontSoThatTheyLineUp) {
  std::vector<std::string> lines;
  QTimer::singleShot(0, [this, &lines] {
    for (int row = 0; row < window_->Lines()->count(); ++row)
      lines.push_back(window_->Lines()->item(row)->text().toStdString());
    EXPECT_TRUE(QFontInfo(window_->Lines()->font()).fixedPitch());
    EXPECT_TRUE(testing::SaveScreenshot(*window_, "tile_counter"));
    window_->OkButton()->click();
  });
  ShowTileCount(editor_, *window_);
  EXPECT_EQ(lines, (std::vector<std::string>{"Dirt........................0", "Unid........................1",
                                             "Far tile....................1"}));
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(TileCounterWindowTest, ALineClickMovesTheCounterADoubleClickAlsoClosesAndTheBoxHasHelp) {
  window_->FillLines(CountTileTypes(editor_), false);
  window_->show();
  testing::Click(window_->UsePrimaryBox(), {4, 4}, Qt::RightButton);
  EXPECT_FALSE(editor_.prefs.UsePrimaryForCounter);
  EXPECT_EQ(dialogs_.helpTopics, (std::vector<std::string>{"useprimarytilefortilecounter"}));
  window_->UsePrimaryBox()->click();
  EXPECT_TRUE(editor_.prefs.UsePrimaryForCounter);

  QListWidget* lines = window_->Lines();
  lines->setCurrentRow(2);
  emit lines->itemClicked(lines->item(2));
  EXPECT_EQ(counter_.tile, 250);
  EXPECT_TRUE(window_->isVisible());
  lines->setCurrentRow(0);
  emit lines->itemDoubleClicked(lines->item(0));
  EXPECT_EQ(counter_.tile, 45);
  EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace brolt::editor
