// The controls of the main window's strips, in the program's own window as its start-up wires it:
// the tool bar, the level labels and the tile counter above the canvas, and the tool panel beside
// it. Each is pressed as the designer presses it; its commands run their dialogs in the editor's
// own boxes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <functional>
#include <map>

#include "common/collection_file.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "common/test_database.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/canvas/undo_ring.h"
#include "editor/model/canvas/zoom.h"
#include "editor/model/commands/undo_redo.h"
#include "editor/model/tools/tool_selection.h"
#include "editor/program/editor_startup.h"
#include "editor/support/answering_boxes.h"
#include "editor/support/closing_dialogs.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/modal_script.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/support/widget_events.h"
#include "editor/ui/boxes/box_look.h"
#include "editor/ui/dialogs/dialog_frame.h"
#include "editor/ui/main_window/tool_bar.h"
#include "editor/ui/main_window/tool_panel.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

// The editor's own boxes, noting the help topics asked for instead of opening the help window.
struct BoxesNotingHelp : testing::AnsweringBoxes {
  using AnsweringBoxes::AnsweringBoxes;
  void ShowHelpTopic(std::string_view key) override { topics.push_back("'" + std::string(key) + "'"); }
  std::vector<std::string> topics;
};

std::string Joined(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : ", ") + part;
  return joined;
}

constexpr int kTurningTile = 12;

// The program's window on the synthetic tileset, over a level in slot 1 of Set.lvl whose cell
// (5, 5) went through the tiles 11, 12 and 13 and was taken back to 12; the level is saved and its
// Thresher selected. The brush paints a tile that turns, facing up, with either button.
struct ProgramWindow {
  ProgramWindow() {
    Editor& e = program.editor;
    e.ui.dialogs = &boxes;
    e.ui.launcher = &launcher;
    testing::RawDatabase(folder / "Define.qdm")
        .Execute("CREATE TABLE Tileset (Type, \"Desc\"); INSERT INTO Tileset VALUES (12, 'Cannon');"
                 "CREATE TABLE Recent (\"Index\" INTEGER, File TEXT, Level INTEGER, Title TEXT)");
    e.DefineDb = std::make_unique<Database>(folder / "Define.qdm");
    program.pictures = testing::SyntheticTileset();
    testing::FillSyntheticCatalogue(e.tiles);
    e.tiles.TileDefs[kTurningTile].Rotate = true;
    program.mainWindow.TilesetLoaded();
    ResetUndoRing(e.undo, 10);
    program.mainWindow.resize(800, 600);
    program.mainWindow.show();
    std::filesystem::create_directory(folder / "Levels");
    WriteCollection(folder / "Levels" / "Set.lvl", {testing::LevelText("Old")});
    std::ofstream(folder / "brolt") << "the game";
    LevelState& level = e.level;
    e.prefs.LevelFile = "Set.lvl";
    level.LevelNumber = 1;
    level.LevelTitle = "Mine";
    level.Cell(1, 1).TileCode = kThresherTile;
    level.Cell(2, 1).TileCode = 9;  // Portal
    for (const int tile : {11, 12, 13}) {
      level.Cell(5, 5).TileCode = static_cast<std::int16_t>(tile);
      RecordUndo(e);
    }
    Undo(e);
    level.LevelSaved = true;
    SetZoom(e, 30);
    SelectTool(e, kBrushTool, kTurningTile, false);
    SelectTool(e, kBrushTool, kTurningTile, true);
    level.Cell(1, 1).Selected = true;
  }
  ~ProgramWindow() { program.mainWindow.hide(); }

  // What the designer can see of the commands, by name.
  std::map<std::string, std::string> Seen() {
    const Editor& e = program.editor;
    std::vector<std::string> game;
    for (const auto& start : launcher.starts) game.push_back(Joined(start.arguments));
    std::vector<std::string> titles;
    for (long slot = 1; slot <= CountFilledSlots(folder / "Levels" / "Set.lvl"); ++slot)
      titles.push_back(TrimSpaces(FieldText(ReadSlot(folder / "Levels" / "Set.lvl", slot), level_field::Title)));
    return {{"cell", std::to_string(e.level.Cell(5, 5).TileCode)},
            {"Set.lvl", Joined(titles)},
            {"paste mode", e.clipboard.PasteMode ? "on" : "off"},
            {"level list", program.mainWindow.LevelDropDownShown() ? "shown" : "hidden"},
            {"game", Joined(game)},
            {"dialogs", Joined(closing.noted)},
            {"boxes", Joined(boxes.shown)},
            {"help", Joined(boxes.topics)},
            {"tool", std::to_string(e.tools.CurrentTool)},
            {"overwrite", e.tools.Overwrite ? "on" : "off"},
            {"brush", std::to_string(e.tools.BrushSize)},
            {"zoom", std::to_string(static_cast<int>(e.view.TileSize))},
            {"saturation", std::to_string(e.tools.Saturation)},
            {"choosers", Enabled({Bar().SizeButton(), Bar().SaturationButton(), Panel().BrushSizeBar()})},
            {"tiles", Tile(e.tools.PrimaryTile, e.tools.PrimaryDirection) + " " +
                          Tile(e.tools.SecondaryTile, e.tools.SecondaryDirection)}};
  }
  // Which of the thickness and saturation choosers and the size bar can be used, as "+" or "-" each.
  static std::string Enabled(std::initializer_list<QWidget*> controls) {
    std::string shown;
    for (const QWidget* control : controls) shown += control->isEnabled() ? '+' : '-';
    return shown;
  }
  // A tile chosen for a mouse button and its direction, as "tile/direction".
  static std::string Tile(int tile, int direction) { return std::to_string(tile) + "/" + std::to_string(direction); }
  // What `act` changed of it, as "name: now".
  std::vector<std::string> Changes(const std::function<void()>& act) {
    const auto before = Seen();
    act();
    std::vector<std::string> changed;
    for (const auto& [name, now] : Seen())
      if (before.at(name) != now) changed.push_back(name + ": " + now);
    return changed;
  }

  ToolBar& Bar() { return *program.toolBar; }
  ToolPanel& Panel() { return *program.toolPanel; }
  QWidget* Named(const char* name) { return program.mainWindow.findChild<QWidget*>(name); }

  testing::TempFolder folder;
  EditorProgram program{folder.path()};
  BoxesNotingHelp boxes{program.editor};
  testing::RecordingLauncher launcher;
  testing::ClosingDialogs<DialogFrame> closing;
};

using Control = std::function<QWidget*(ProgramWindow&)>;

Control CommandButton(int index) {
  return [index](ProgramWindow& w) { return w.Bar().CommandButton(index); };
}
Control Named(const char* name) {
  return [name](ProgramWindow& w) { return w.Named(name); };
}
Control ToolButton(int tool) {
  return [tool](ProgramWindow& w) { return w.Panel().ToolButton(tool); };
}

TEST(WindowControls, EachControlOfTheStripsRunsItsOwnCommandOnALeftClick) {
  const std::string closeFirst =
      "The current level should be closed before you can edit this level collection. Click Ok to continue.";
  using Effects = std::vector<std::string>;
  const std::pair<Control, Effects> cases[] = {
      {CommandButton(0), {"cell: 0"}},  // New
      {CommandButton(1), {"Set.lvl: Mine"}},
      {CommandButton(2), {"dialogs: Load Level"}},
      {CommandButton(3), {"dialogs: Level Properties"}},
      {CommandButton(4), {"boxes: " + closeFirst, "cell: 0", "dialogs: Level Management"}},
      {CommandButton(5), {"cell: 11"}},  // Undo
      {CommandButton(6), {"cell: 13"}},  // Redo
      {CommandButton(7), {"game: previewplay.tmp"}},
      {CommandButton(8), {"dialogs: Compile Level Collection"}},
      {CommandButton(9), {"paste mode: on"}},  // Copy
      {CommandButton(10), {"help: ''"}},
      {Named("txtLevel"), {"level list: shown"}},
      {Named("txtLevelNum"), {"level list: shown"}},
      {Named("cmdDropDown"), {"level list: shown"}},
      {Named("picTileCount"), {"dialogs: Tile Count Summary"}},
      {Named("txtTileCount"), {"dialogs: Tile Count Summary"}},
      // The brush's thickness, saturation and size bar can all be used ("+++") to start with.
      {ToolButton(0), {"choosers: ---", "tool: 0"}},
      {ToolButton(1), {}},  // the brush already
      {ToolButton(2), {"choosers: -+-", "tool: 2"}},
      {ToolButton(3), {"tool: 3"}},
      {ToolButton(4), {"choosers: -+-", "tool: 4"}},
      {ToolButton(5), {"choosers: -+-", "tool: 5"}},
      {ToolButton(6), {"choosers: -++", "tiles: 1/0 12/1", "tool: 6"}},  // the start is where the Thresher stands
      {Named("chkOverwrite"), {"overwrite: on"}},
  };
  for (const auto& [control, effects] : cases) {
    ProgramWindow w;
    QWidget* pressed = control(w);
    ASSERT_NE(pressed, nullptr);
    EXPECT_EQ(w.Changes([&] { testing::Click(pressed, {5, 5}); }), effects)
        << pressed->objectName().toStdString() << " " << pressed->toolTip().toStdString();
  }
}

TEST(WindowControls, ARightClickOnAnyControlOfTheStripsOpensItsOwnHelpAndRunsNothing) {
  ProgramWindow w;
  std::vector<QWidget*> controls;
  for (int button = 0; button < ToolBar::kCommandCount; ++button) controls.push_back(w.Bar().CommandButton(button));
  controls.insert(controls.end(), {w.Bar().ZoomButton(), w.Bar().SizeButton(), w.Bar().SaturationButton()});
  for (int tool = 0; tool < ToolPanel::kToolCount; ++tool) controls.push_back(w.Panel().ToolButton(tool));
  controls.insert(controls.end(), {w.Panel().OverwriteBox(), w.Panel().Preview(false), w.Panel().Preview(true)});
  EXPECT_EQ(w.Changes([&] {
    for (QWidget* control : controls) testing::Click(control, {5, 5}, Qt::RightButton);
  }),
            std::vector<std::string>{"help: 'toolbar0', 'toolbar1', 'toolbar2', 'toolbar3', 'toolbar4', 'toolbar5', "
                                     "'toolbar6', 'toolbar7', 'toolbar8', 'toolbar9', 'help', 'zoom', 'thickness', "
                                     "'saturation', 'tools0', 'tools1', 'tools2', 'tools3', 'tools4', 'tools5', "
                                     "'tools6', 'overwrite', 'selectedtile', 'selectedtile2'"});
}

// In paste mode every control that would leave it asks first, and with the designer staying runs
// nothing; the help button then explains paste mode, and the overwrite switch needs no leaving.
TEST(WindowControls, InPasteModeEachControlAsksToLeaveItFirstAndDoesNothingWhenTheDesignerStays) {
  std::vector<Control> asking;
  for (int button = 0; button < ToolBar::kCommandCount - 1; ++button) asking.push_back(CommandButton(button));
  for (int tool = 0; tool < ToolPanel::kToolCount; ++tool) asking.push_back(ToolButton(tool));
  asking.push_back([](ProgramWindow& w) { return w.Bar().ZoomButton(); });
  asking.push_back([](ProgramWindow& w) { return w.Bar().SizeButton(); });
  asking.push_back([](ProgramWindow& w) { return w.Bar().SaturationButton(); });
  std::vector<std::pair<Control, std::vector<std::string>>> cases;
  for (const Control& control : asking) cases.push_back({control, {"boxes: This action will exit paste mode."}});
  cases.push_back({CommandButton(10), {"help: 'pastemode'"}});
  cases.push_back({Named("chkOverwrite"), {"overwrite: on"}});
  for (const auto& [control, effects] : cases) {
    ProgramWindow w;
    w.program.editor.clipboard.PasteMode = true;
    w.boxes.answer = Qt::Key_Escape;  // Cancel: stay in paste mode
    QWidget* pressed = control(w);
    EXPECT_EQ(w.Changes([&] { testing::Click(pressed, {5, 5}); }), effects)
        << pressed->objectName().toStdString() << " " << pressed->toolTip().toStdString();
  }
  // Centring the view from the menu asks nothing: its redraw ends the paste as a zoom does.
  ProgramWindow w;
  w.program.editor.clipboard.PasteMode = true;
  w.boxes.answer = Qt::Key_Escape;
  EXPECT_EQ(w.Changes([&] { w.program.mainWindow.MenuItem("mnuToolsCenterOnLevel")->trigger(); }),
            std::vector<std::string>{"paste mode: off"});
}

// A chooser or a tile preview pops up its own menu with its default item marked; the item chosen
// there is set.
TEST(WindowControls, EachChooserPopsUpItsOwnMenuAndSetsTheItemChosenThere) {
  struct Case {
    Control control;
    const char* item;
    const char* defaultItem;
    std::vector<std::string> effects;
    bool pasteMode = false;  // a tile turns in paste mode too, without leaving it
  };
  const Case cases[] = {
      {[](ProgramWindow& w) { return w.Bar().ZoomButton(); }, "mnuViewZoomLevel2", "mnuViewZoomLevel4", {"zoom: 20"}},
      {[](ProgramWindow& w) { return w.Bar().SizeButton(); }, "mnuToolsThickValue3", "mnuToolsThickValue1",
       {"brush: 3"}},
      {[](ProgramWindow& w) { return w.Bar().SaturationButton(); }, "mnuToolsSaturationValue50",
       "mnuToolsSaturationValue100", {"saturation: 50"}},
      {[](ProgramWindow& w) { return w.Panel().Preview(false); }, "mnuToolsRotateValue2", "mnuToolsRotateValue1",
       {"tiles: 12/4 12/1"}},
      {[](ProgramWindow& w) { return w.Panel().Preview(true); }, "mnuToolsRotateValue_RMB3", "mnuToolsRotateValue_RMB1",
       {"tiles: 12/1 12/3"}},
      {[](ProgramWindow& w) { return w.Panel().Preview(false); }, "mnuToolsRotateValue1", "mnuToolsRotateValue1",
       {"tiles: 12/2 12/1"}, true},
      {[](ProgramWindow& w) { return w.Panel().Preview(true); }, "mnuToolsRotateValue_RMB2", "mnuToolsRotateValue_RMB1",
       {"tiles: 12/1 12/4"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    ProgramWindow w;
    w.program.editor.clipboard.PasteMode = c.pasteMode;
    QString defaultItem;
    testing::WhenPopUpShown([&](QWidget* popup) {
      auto* menu = static_cast<QMenu*>(popup);
      if (menu->defaultAction() != nullptr) defaultItem = menu->defaultAction()->objectName();
      for (QAction* item : menu->actions())
        if (item->objectName() == c.item) QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
      menu->close();  // a failure, not a hang
    });
    EXPECT_EQ(w.Changes([&] { testing::Click(c.control(w), {5, 5}); }), c.effects);
    EXPECT_EQ(defaultItem.toStdString(), c.defaultItem);
  }
}

TEST(WindowControls, TheSizeBarSetsTheBrushSize) {
  ProgramWindow w;
  EXPECT_EQ(w.Changes([&] { w.Panel().BrushSizeBar()->setValue(3); }), std::vector<std::string>{"brush: 3"});
}

// The strips' frames and lines sit round their controls and never across them.
TEST(WindowControls, TheStripsFramesAndLinesRunBesideTheirControls) {
  ProgramWindow w;
  // On the tool bar every group frame and separator spans one row more than the buttons at each end.
  const QRect button = w.Bar().CommandButton(0)->geometry();
  int shapes = 0;
  for (const FrameShape* shape : w.Bar().findChildren<FrameShape*>()) {
    if (!shape->objectName().startsWith("ShpMisc") && !shape->objectName().startsWith("shpMiscLine")) continue;
    ++shapes;
    EXPECT_EQ((std::array{shape->geometry().top(), shape->geometry().bottom()}),
              (std::array{button.top() - 1, button.bottom() + 1}))
        << shape->objectName().toStdString();
  }
  EXPECT_GT(shapes, 0);
  // On the tool panel the line under the tools runs between their last row and the captions below.
  int lastTool = w.Panel().OverwriteBox()->geometry().bottom();
  for (int tool = 0; tool < ToolPanel::kToolCount; ++tool)
    lastTool = std::max(lastTool, w.Panel().ToolButton(tool)->geometry().bottom());
  const QWidget* line = w.Panel().findChild<QWidget*>("shpMiscLine0");
  ASSERT_NE(line, nullptr);
  int captions = w.Panel().height();
  for (const QLabel* caption : w.Panel().findChildren<QLabel*>())
    if (caption->text() == "Primary" || caption->text() == "Secondary") captions = std::min(captions, caption->y());
  EXPECT_GT(line->y(), lastTool);
  EXPECT_LT(line->geometry().bottom(), captions);
  // The mark of the chosen tool lies on its button and clear of every other.
  const QWidget* mark = w.Panel().findChild<QWidget*>("shpToolSelect2");
  ASSERT_NE(mark, nullptr);
  for (int chosen = 0; chosen < ToolPanel::kToolCount; ++chosen) {
    SelectTool(w.program.editor, chosen, kTurningTile, false);
    for (int tool = 0; tool < ToolPanel::kToolCount; ++tool)
      EXPECT_EQ(mark->geometry().intersects(w.Panel().ToolButton(tool)->geometry()), tool == chosen)
          << "tool " << tool << " with tool " << chosen << " chosen";
  }
}

}  // namespace
}  // namespace brolt::editor
