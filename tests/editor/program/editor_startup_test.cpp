#include "editor/program/editor_startup.h"

#include <QImage>
#include <QMenuBar>
#include <QAbstractButton>

#include "editor/ui/tool_bar.h"
#include "editor/ui/tool_panel.h"
#include <gtest/gtest.h>

#include <filesystem>

#include "common/numeric.h"
#include "editor/model/canvas_geometry.h"
#include "editor/model/collection_lists.h"
#include "editor/model/open_level.h"
#include "editor/support/definitions_fixture.h"
#include "editor/support/scripted_dialogs.h"
#include "support/temp_folder.h"

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
  std::filesystem::create_directory(fixture.folder / "Graphics");
  QImage tileset(256, 256, QImage::Format_RGB32);
  tileset.fill(Qt::darkGreen);
  ASSERT_TRUE(tileset.save(QString::fromStdString((fixture.folder / "Graphics" / "Tileset.bmp").string())));
  RecordingWindow window;
  brolt::testing::ScriptedDialogs dialogs;  // the empty levels folder asks for a first collection
  EditorProgram program(fixture.folder.path());
  program.editor.ui.window = &window;
  program.editor.ui.dialogs = &dialogs;

  Main(program);

  const Editor& editor = program.editor;
  EXPECT_TRUE(editor.DeveloperMode);
  EXPECT_EQ(window.developerItems, std::vector<bool>{true});
  EXPECT_EQ(editor.splash.Steps, 5);
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
  program.mainWindow.hide();
}

#ifdef BROLT_TEST_DIST_DIR
// The shipped program folder's database, tileset and levels, copied so the run changes nothing.
struct GeneratedProgramFolder {
  brolt::testing::TempFolder folder;
  GeneratedProgramFolder() {
    const std::filesystem::path dist(BROLT_TEST_DIST_DIR);
    for (const char* part : {"Define.qdm", "Graphics", "Levels"}) {
      std::filesystem::copy(dist / part, folder / part, std::filesystem::copy_options::recursive);
    }
  }
};

TEST(EditorStartup, StartsOnTheGeneratedContentAndOpensALevel) {
  GeneratedProgramFolder shipped;
  brolt::testing::ScriptedDialogs dialogs;
  EditorProgram program(shipped.folder.path());
  program.editor.ui.dialogs = &dialogs;

  Main(program);

  const Editor& editor = program.editor;
  MainWindow& window = program.mainWindow;
  EXPECT_EQ(editor.splash.Steps, 5);
  EXPECT_EQ(window.windowTitle(), "Brolt Editor");
  for (int item = 0; item < 8; ++item) {
    EXPECT_EQ(window.MenuItem(QString("mnuViewZoomLevel%1").arg(item))->text(), QString::number((item + 2) * 5));
  }
  for (int percent = 10; percent <= 100; percent += 10) {
    EXPECT_EQ(window.MenuItem(QString("mnuToolsSaturationValue%1").arg(percent))->text(), QString("%1%").arg(percent));
  }
  EXPECT_TRUE(window.MenuItem("mnuToolsSaturationValue100")->isChecked());
  EXPECT_EQ(editor.tools.PrimaryTile, 45);
  EXPECT_EQ(editor.tools.SecondaryTile, 0);
  EXPECT_EQ(editor.tools.CounterTile, 21);
  // The middle of the level in the middle of the viewport.
  const int halfWide = PixelToTile(editor.view, editor.view.ViewportWidth / 2.0);
  const double halfHigh = PixelToTile(editor.view, editor.view.ViewportHeight) / 2.0;
  EXPECT_EQ(editor.view.ViewX, std::max(0, 25 - halfWide - 1));
  EXPECT_EQ(editor.view.ViewY, std::max<std::int64_t>(0, RoundHalfEven(25 - halfHigh - 1)));
  EXPECT_EQ(window.ControlGeometry("LevelBack").width(), editor.view.ViewportWidth);
  // Every button of the tool bar and the tool panel shows its generated picture, none a stand-in
  // caption.
  for (QWidget* bar : {static_cast<QWidget*>(program.toolBar), static_cast<QWidget*>(program.toolPanel)})
    for (const QAbstractButton* button : bar->findChildren<QAbstractButton*>())
      EXPECT_TRUE(button->text().isEmpty()) << button->text().toStdString();

  ShowLevelDropDown(program.editor, true);
  program.editor.collections.DropDownIndex = 0;
  OpenLevelNumber(program.editor);
  EXPECT_EQ(window.findChild<QLabel*>("txtLevelFile")->text(), QString::fromStdString(editor.prefs.LevelFile));
  EXPECT_NE(window.findChild<QLabel*>("txtTileCount")->text(), "");
  std::filesystem::create_directories(BROLT_TEST_SHOTS_DIR);
  EXPECT_TRUE(window.grab().save(BROLT_TEST_SHOTS_DIR "/main_window.png"));
  EXPECT_TRUE(dialogs.messages.empty());
  window.hide();
}
#endif

}  // namespace
}  // namespace brolt::editor
