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

TEST_F(TileCounterWindowTest, ShowsTheCountsLinedUpAndClicksMoveTheCounterUntilADoubleClickCloses) {
  std::vector<std::string> lines;
  QTimer::singleShot(0, [this, &lines] {
    QListWidget* list = window_->Lines();
    for (int row = 0; row < list->count(); ++row) lines.push_back(list->item(row)->text().toStdString());
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    EXPECT_TRUE(testing::SaveScreenshot(*window_, "tile_counter"));
    testing::Click(window_->UsePrimaryBox(), {4, 4}, Qt::RightButton);
    EXPECT_FALSE(editor_.prefs.UsePrimaryForCounter);
    window_->UsePrimaryBox()->click();
    EXPECT_TRUE(editor_.prefs.UsePrimaryForCounter);
    list->setCurrentRow(2);
    emit list->itemClicked(list->item(2));
    EXPECT_EQ(counter_.tile, 250);
    EXPECT_TRUE(window_->isVisible());
    list->setCurrentRow(0);
    emit list->itemDoubleClicked(list->item(0));
  });
  ShowTileCount(editor_, *window_);
  EXPECT_EQ(lines, (std::vector<std::string>{"Dirt........................0", "Unid........................1",
                                             "Far tile....................1"}));
  EXPECT_EQ(dialogs_.helpTopics, (std::vector<std::string>{"useprimarytilefortilecounter"}));
  EXPECT_EQ(counter_.tile, 45);
  EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace brolt::editor
