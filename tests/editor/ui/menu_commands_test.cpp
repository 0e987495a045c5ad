#include "editor/ui/menu_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "editor/support/input_window.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/support/widget_events.h"
#include "editor/ui/menu_lookup.h"
#include "editor/ui/panel_controls.h"
#include "editor/ui/tile_palette.h"
#include "editor/ui/tile_palette_commands.h"
#include "editor/ui/tool_bar.h"
#include "editor/ui/tool_panel.h"

namespace brolt::editor {
namespace {

QAction* AddItem(QMenu& menu, const QString& name, const QString& caption = "item") {
  QAction* item = menu.addAction(caption);
  item->setObjectName(name);
  return item;
}

// A main window with a part of the menu tree, named as the real one, and the tool bar and panel.
struct MenuFixture : ::testing::Test, testing::LevelsFolderEditor {
  MenuFixture() {
    editor.ui.canvas = &canvas;
    editor.view.ViewportWidth = 600;
    editor.view.ViewportHeight = 400;
    testing::FillSyntheticCatalogue(editor.tiles);
    for (int code = 1; code <= 8; ++code) editor.tiles.PaletteOrder[editor.tiles.PaletteCount++] = static_cast<std::int16_t>(code);
    QMenuBar& bar = *window.menuBar();
    QMenu* edit = bar.addMenu("Edit");
    AddItem(*edit, "mnuEditSelectAll");
    AddItem(*edit, "mnuEditCopy");
    QMenu* tools = bar.addMenu("Tools");
    AddItem(*tools, "mnuToolsOverwrite")->setCheckable(true);
    QMenu* saturation = tools->addMenu("Saturation");
    saturation->menuAction()->setObjectName("mnuToolsSaturation");
    for (int percent = 10; percent <= 100; percent += 10) AddItem(*saturation, QString("mnuToolsSaturationValue%1").arg(percent));
    saturation->addSeparator()->setObjectName("mnuBar4");
    AddItem(*saturation, "mnuToolsSaturationCustom");
    AddItem(*tools, "mnuToolsBan2")->setVisible(false);
    QMenu* view = bar.addMenu("View");
    for (int item = 0; item < 8; ++item) AddItem(*view, QString("mnuViewZoomLevel%1").arg(item));
    QMenu* help = bar.addMenu("Help");
    AddItem(*help, "mnuHelpIndex");
    AddItem(*help, "mnuHelpTips");
    bar.addAction("Exit Paste Mode")->setObjectName("mnuCancelPasteMode");

    commands = new MenuCommands(editor, bar);
    toolBar = new ToolBar(editor, *commands, bar, &window);
    panel = new ToolPanel(editor, bar, pictures, &window);
    palette = new TilePalette(editor.tiles, pictures, &window);
    ConnectTilePalette(editor, *palette);
    controls = std::make_unique<PanelControls>(inner, PanelWidgets{*toolBar, *panel, bar, window});
    editor.ui.window = controls.get();
  }

  void Trigger(const char* name) { FindMenuItem(*window.menuBar(), name)->trigger(); }
  int SaturationItems() const {
    return static_cast<int>(FindSubmenu(*window.menuBar(), "mnuToolsSaturation")->actions().size());
  }

  testing::InputWindow inner;
  testing::RecordingCanvas canvas;
  TilesetPictures pictures = testing::SyntheticTileset();
  QMainWindow window;
  MenuCommands* commands = nullptr;
  ToolBar* toolBar = nullptr;
  ToolPanel* panel = nullptr;
  TilePalette* palette = nullptr;
  std::unique_ptr<PanelControls> controls;
};

TEST_F(MenuFixture, ItemsRunTheirCommandsByControlName) {
  Trigger("mnuViewZoomLevel4");
  EXPECT_FLOAT_EQ(editor.view.TileSize, 30);
  Trigger("mnuToolsSaturationValue40");
  EXPECT_EQ(editor.tools.Saturation, 40);
  EXPECT_EQ(toolBar->SaturationLabel()->text(), "40%");
  Trigger("mnuHelpTips");
  EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{"tip1"});
}

TEST_F(MenuFixture, GatedItemsAskToLeavePasteModeFirst) {
  editor.clipboard.PasteMode = true;
  dialogs.buttonAnswers = {2};  // Cancel: stay in paste mode
  Trigger("mnuEditSelectAll");
  EXPECT_EQ(dialogs.LastMessage(), "This action will exit paste mode.");
  EXPECT_FALSE(editor.level.Cell(0, 0).Selected);
  Trigger("mnuHelpIndex");  // not gated
  EXPECT_EQ(dialogs.messages.size(), 1U);
  Trigger("mnuEditSelectAll");  // OK: leaves paste mode, then selects
  EXPECT_FALSE(editor.clipboard.PasteMode);
  EXPECT_TRUE(editor.level.Cell(49, 49).Selected);
  editor.clipboard.PasteMode = true;
  Trigger("mnuCancelPasteMode");
  EXPECT_FALSE(editor.clipboard.PasteMode);
  EXPECT_EQ(dialogs.messages.size(), 2U);
}

TEST_F(MenuFixture, AnItemAddedLaterAndNamedAfterwardsRunsToo) {
  QMenu* thickness = FindSubmenu(*window.menuBar(), "mnuToolsSaturation")->addMenu("Thickness");
  thickness->addAction("3")->setObjectName("mnuToolsThickValue3");
  FindMenuItem(*window.menuBar(), "mnuToolsThickValue3")->trigger();
  EXPECT_EQ(editor.tools.BrushSize, 3);
}

TEST_F(MenuFixture, ACustomSaturationAddsItsItemOnce) {
  const int before = SaturationItems();
  dialogs.inputAnswers = {"55", "55", "0"};
  for (int use = 0; use < 3; ++use) Trigger("mnuToolsSaturationCustom");
  EXPECT_EQ(SaturationItems(), before + 2);  // 55 % and 1 %
  QAction* added = FindMenuItem(*window.menuBar(), "mnuToolsSaturationValue55");
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->text(), "55%");
  added->trigger();
  EXPECT_EQ(editor.tools.Saturation, 55);
}

TEST_F(MenuFixture, EditDefineRunsOnlyInDeveloperMode) {
  Trigger("mnuToolsBan2");
  EXPECT_TRUE(launcher.starts.empty());
  FindMenuItem(*window.menuBar(), "mnuToolsBan2")->setVisible(true);
  editor.DeveloperMode = true;
  Trigger("mnuToolsBan2");
  ASSERT_EQ(launcher.starts.size(), 1U);
  EXPECT_EQ(launcher.starts[0].arguments.front(), (folder.path() / "Define.qdm").string());
}

TEST_F(MenuFixture, TheOverwriteMenuAndCheckBoxAlwaysAgree) {
  QAction* item = FindMenuItem(*window.menuBar(), "mnuToolsOverwrite");
  item->trigger();
  EXPECT_TRUE(editor.tools.Overwrite);
  EXPECT_TRUE(panel->OverwriteBox()->isChecked());
  EXPECT_TRUE(item->isChecked());
  panel->OverwriteBox()->click();
  EXPECT_FALSE(editor.tools.Overwrite);
  EXPECT_FALSE(editor.prefs.OverwriteTiles);
  EXPECT_FALSE(item->isChecked());
}

TEST_F(MenuFixture, ToolBarLeftClicksRunTheCommandAndRightClicksOpenHelp) {
  testing::Click(toolBar->CommandButton(3), {5, 5}, Qt::RightButton);
  testing::Click(toolBar->CommandButton(10), {5, 5}, Qt::RightButton);
  testing::Click(toolBar->CommandButton(10), {5, 5});
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"toolbar3", "help", ""}));
  EXPECT_EQ(inner.canvasFocus, 0);  // the help index leaves the focus where it is

  testing::Click(toolBar->CommandButton(9), {5, 5});  // Copy with nothing selected
  EXPECT_EQ(dialogs.LastMessage(), "At least one tile must be selected to copy.");
  EXPECT_EQ(inner.canvasFocus, 1);

  editor.clipboard.PasteMode = true;
  testing::Click(toolBar->CommandButton(10), {5, 5});
  EXPECT_EQ(dialogs.helpTopics.back(), "pastemode");
  EXPECT_TRUE(editor.clipboard.PasteMode);
}

TEST_F(MenuFixture, ToolButtonsChooseToolsAndTilesSwitchTheSelectorToTheBrush) {
  testing::Press(panel->ToolButton(5), {5, 5});
  EXPECT_EQ(editor.tools.CurrentTool, kLineTool);
  EXPECT_TRUE(panel->ToolButton(5)->isChecked());
  testing::Press(panel->ToolButton(0), {5, 5});
  testing::Click(panel->ToolButton(2), {5, 5}, Qt::RightButton);
  EXPECT_EQ(editor.tools.CurrentTool, kSelectorTool);
  EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{"tools2"});
  testing::Press(palette->TileButton(3), {5, 5});
  EXPECT_EQ(editor.tools.CurrentTool, kBrushTool);
  EXPECT_EQ(editor.tools.PrimaryTile, 3);
  (void)testing::SaveScreenshot(*panel, "tool_panel");
  (void)testing::SaveScreenshot(*toolBar, "tool_bar");
}

}  // namespace
}  // namespace brolt::editor
