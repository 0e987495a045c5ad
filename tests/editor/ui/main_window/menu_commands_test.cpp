// The menu, tool bar and tool panel wiring on a part of the menu tree. The real window's ticks,
// labels and boxes are checked after every step of the designer sequence.
#include "editor/ui/main_window/menu_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "editor/support/input_window.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/support/widget_events.h"
#include "editor/ui/main_window/menu_lookup.h"
#include "editor/ui/main_window/panel_controls.h"
#include "editor/ui/main_window/tile_palette.h"
#include "editor/ui/main_window/tile_palette_commands.h"
#include "editor/ui/main_window/tool_bar.h"
#include "editor/ui/main_window/tool_panel.h"

namespace brolt::editor {
namespace {

// Adds checkable items named as the real menu's, captioned by their names.
QMenu* AddItems(QMenu* menu, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    QAction* item = menu->addAction(name);
    item->setObjectName(name);
    item->setCheckable(true);
  }
  return menu;
}

// A main window with a part of the menu tree, and the tool bar and panel.
struct MenuFixture : ::testing::Test, testing::LevelsFolderEditor {
  MenuFixture() {
    editor.ui.canvas = &canvas;
    editor.view.ViewportWidth = 600;
    editor.view.ViewportHeight = 400;
    testing::FillSyntheticCatalogue(editor.tiles);
    for (int code = 1; code <= 8; ++code) editor.tiles.PaletteOrder[editor.tiles.PaletteCount++] = static_cast<std::int16_t>(code);
    QMenuBar& bar = *window.menuBar();
    QMenu* menu = AddItems(bar.addMenu("Menu"), {"mnuEditSelectAll", "mnuFileSelTilesOnly", "mnuEditInvertSelection", "mnuToolsBan2",
                                                 "mnuViewZoomLevel4", "mnuHelpIndex", "mnuHelpTips"});
    QMenu* saturation = AddItems(menu->addMenu("Saturation"), {"mnuToolsSaturationValue40"});
    saturation->menuAction()->setObjectName("mnuToolsSaturation");
    saturation->addSeparator()->setObjectName("mnuBar4");
    AddItems(saturation, {"mnuToolsSaturationCustom"});
    bar.addAction("Exit Paste Mode")->setObjectName("mnuCancelPasteMode");

    commands = new MenuCommands(editor, bar);
    toolBar = new ToolBar(editor, *commands, bar, &window);
    panel = new ToolPanel(editor, bar, pictures, &window);
    palette = new TilePalette(editor.tiles, pictures, &window);
    ConnectTilePalette(editor, *palette);
    controls = std::make_unique<PanelControls>(inner, PanelWidgets{*toolBar, *panel, bar, window});
    editor.ui.window = controls.get();
  }

  QAction* Item(const char* name) { return FindMenuItem(*window.menuBar(), name); }
  void Trigger(const char* name) { Item(name)->trigger(); }
  QMenu* Saturation() { return FindSubmenu(*window.menuBar(), "mnuToolsSaturation"); }

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

TEST_F(MenuFixture, ItemsRunTheirCommandsByControlNameAndIndexEvenWhenAddedAndNamedLater) {
  Trigger("mnuViewZoomLevel4");
  EXPECT_FLOAT_EQ(editor.view.TileSize, 30);
  Trigger("mnuToolsSaturationValue40");
  EXPECT_EQ(editor.tools.Saturation, 40);
  Trigger("mnuHelpTips");
  EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{"tip1"});
  Trigger("mnuToolsBan2");
  EXPECT_TRUE(launcher.starts.empty()) << "Edit Define runs only in developer mode";
  editor.DeveloperMode = true;
  Trigger("mnuToolsBan2");
  EXPECT_EQ(launcher.starts.size(), 1U);

  Saturation()->addMenu("Thickness")->addAction("3")->setObjectName("mnuToolsThickValue3");
  Trigger("mnuToolsThickValue3");
  EXPECT_EQ(editor.tools.BrushSize, 3);
}

TEST_F(MenuFixture, ACustomSaturationAddsItsItemOnceBeforeTheSeparator) {
  dialogs.inputAnswers = {"55", "55", "0"};
  for (int use = 0; use < 3; ++use) Trigger("mnuToolsSaturationCustom");
  std::vector<QString> items;
  for (QAction* item : Saturation()->actions()) items.push_back(item->text());
  EXPECT_EQ(items, (std::vector<QString>{"mnuToolsSaturationValue40", "55%", "1%", "", "mnuToolsSaturationCustom"}));
  Trigger("mnuToolsSaturationValue55");
  EXPECT_EQ(editor.tools.Saturation, 55);
}

TEST_F(MenuFixture, GatedItemsAskToLeavePasteModeFirst) {
  editor.clipboard.PasteMode = true;
  dialogs.buttonAnswers = {2};  // Cancel: stay in paste mode
  Trigger("mnuEditSelectAll");
  EXPECT_FALSE(editor.level.Cell(0, 0).Selected);
  Trigger("mnuHelpIndex");  // not gated
  EXPECT_EQ(dialogs.messages.size(), 1U);
  // Every way of selecting asks too, or the selection would change under the pasted tiles.
  editor.level.Cell(3, 3).TileCode = 21;
  for (const char* item : {"mnuFileSelTilesOnly", "mnuEditInvertSelection"}) {
    dialogs.buttonAnswers = {2};
    const std::size_t asked = dialogs.messages.size();
    Trigger(item);
    EXPECT_EQ(dialogs.messages.size(), asked + 1) << item;
    EXPECT_TRUE(editor.clipboard.PasteMode) << item;
    EXPECT_FALSE(editor.level.Cell(3, 3).Selected) << item;
  }
  dialogs.messages.resize(1);
  // Saturation only sets how the next tiles are painted: the pasted tiles stay.
  Trigger("mnuToolsSaturationValue40");
  EXPECT_EQ(editor.tools.Saturation, 40);
  EXPECT_TRUE(editor.clipboard.PasteMode);
  EXPECT_EQ(dialogs.messages.size(), 1U);
  Trigger("mnuEditSelectAll");  // OK: leaves paste mode, then selects
  EXPECT_FALSE(editor.clipboard.PasteMode);
  EXPECT_TRUE(editor.level.Cell(49, 49).Selected);
  editor.clipboard.PasteMode = true;
  Trigger("mnuCancelPasteMode");
  EXPECT_FALSE(editor.clipboard.PasteMode);
  EXPECT_EQ(dialogs.messages.size(), 2U);
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

TEST_F(MenuFixture, ToolAndTileButtonsChooseAndTheSelectorTurnsToTheBrush) {
  testing::Press(panel->ToolButton(5), {5, 5});
  EXPECT_EQ(editor.tools.CurrentTool, kLineTool);
  EXPECT_TRUE(panel->ToolButton(5)->isChecked());
  testing::Press(panel->ToolButton(0), {5, 5});
  testing::Click(panel->ToolButton(2), {5, 5}, Qt::RightButton);
  EXPECT_EQ(editor.tools.CurrentTool, kSelectorTool);
  EXPECT_EQ(dialogs.helpTopics, std::vector<std::string>{"tools2"});
  testing::Press(palette->TileButton(3), {5, 5});
  EXPECT_EQ(editor.tools.CurrentTool, kBrushTool);
  // The right button takes the other tile, and the pointer over a tile names it.
  editor.tiles.TileDefs[5].Desc = "Steel Wall";
  testing::Click(palette->TileButton(4), {5, 5}, Qt::RightButton);
  testing::SendMouse(palette->TileButton(5), QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ((std::array{editor.tools.PrimaryTile, editor.tools.SecondaryTile}), (std::array<std::int16_t, 2>{3, 4}));
  EXPECT_EQ(inner.status[0].text, "Click here to select: Steel Wall");
}

}  // namespace
}  // namespace brolt::editor
