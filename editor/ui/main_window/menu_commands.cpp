#include "editor/ui/main_window/menu_commands.h"

#include <QActionEvent>
#include <QMenu>
#include <QMenuBar>
#include <cctype>

#include "common/numeric.h"
#include "editor/model/canvas/canvas_redraw.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/canvas/zoom.h"
#include "editor/model/collections/level_management.h"
#include "editor/model/commands/compile_collection.h"
#include "editor/model/commands/exit_editor.h"
#include "editor/model/commands/game_launch.h"
#include "editor/model/commands/new_level.h"
#include "editor/model/commands/open_level.h"
#include "editor/model/commands/save_level.h"
#include "editor/model/commands/undo_redo.h"
#include "editor/model/services/definitions_editor.h"
#include "editor/model/tools/clipboard.h"
#include "editor/model/tools/custom_values.h"
#include "editor/model/tools/flood_fill.h"
#include "editor/model/tools/overwrite.h"
#include "editor/model/tools/paste_mode.h"
#include "editor/model/tools/rotate_selection.h"
#include "editor/model/tools/saturation.h"
#include "editor/model/tools/selection_commands.h"
#include "editor/model/tools/selection_marks.h"
#include "editor/model/tools/tool_selection.h"
#include "editor/ui/dialogs/property_commands.h"
#include "editor/ui/main_window/menu_lookup.h"
#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {
constexpr const char* kWatchedMark = "broltMenuCommands";
constexpr std::string_view kSaturationItem = "mnuToolsSaturationValue";

void RedrawAtSameZoom(Editor& editor) { SetZoom(editor, RoundToInt32(editor.view.TileSize)); }
}  // namespace

MenuCommands::MenuCommands(Editor& editor, QMenuBar& menuBar) : QObject(&menuBar), editor_(editor), menuBar_(menuBar) {
  AddFileAndEditCommands();
  AddToolCommands();
  AddViewAndHelpCommands();
  // Items straight on the bar, such as "Exit Paste Mode", and the menus' items.
  menuBar_.installEventFilter(this);
  connect(&menuBar_, &QMenuBar::triggered, this, [this](QAction* item) { Triggered(menuBar_, *item); });
  for (QAction* top : menuBar_.actions()) {
    if (top->menu() != nullptr) Watch(*top->menu());
  }
}

void MenuCommands::AddFileAndEditCommands() {
  Editor& e = editor_;
  single_ = {
      {"mnuFileNew", {false, [&e](int) { NewLevel(e); }}},
      {"mnuFileLoad", {true, [&e](int) { OpenLevel(e, kAskWithLoadDialog); }}},
      {"mnuFileSave", {false, [&e](int) { SaveLevel(e, false); }}},
      {"mnuFileSaveAs", {false, [&e](int) { SaveLevel(e, true); }}},
      {"mnuToolProperties", {false, [this](int) { RunLevelProperties(editor_, DialogParent()); }}},
      {"mnuFileExit", {false, [&e](int) { ExitEditor(e); }}},
      {"mnuEditUndo", {false, [&e](int) { Undo(e); }}},
      {"mnuEditRedo", {false, [&e](int) { Redo(e); }}},
      {"mnuEditCut", {false, [&e](int) { CutSelection(e); }}},
      {"mnuEditCopy", {false, [&e](int) { CopySelection(e); }}},
      {"mnuEditPaste", {false, [&e](int) { StartPasteMode(e); }}},
      {"mnuEditDelSelected", {true, [&e](int) { DeleteSelected(e); }}},
      {"mnuEditClearLevel", {false, [&e](int) { ClearLevel(e); }}},
      {"mnuFileSelTilesLMB", {false, [&e](int) { SelectTilesLikeButton(e, false); }}},
      {"mnuFileSelTilesRMB", {false, [&e](int) { SelectTilesLikeButton(e, true); }}},
      {"mnuFileSelTilesOnly", {true, [&e](int) { SelectAllTiles(e, true); }}},
      {"mnuEditSelectAll", {true, [&e](int) { SelectAllTiles(e, false); }}},
      {"mnuEditInvertSelection", {true, [&e](int) { InvertSelection(e); }}},
      {"mnuEditDeselect", {true, [&e](int) { ClearSelection(e, false); }}},
      {"mnuEditFillPrimary", {false, [&e](int) {
         FillArea(e, false, true);
         RecordUndo(e);
       }}},
      {"mnuEditFillSecondary", {false, [&e](int) {
         FillArea(e, true, true);
         RecordUndo(e);
       }}},
      {"mnuEditRotate", {false, [&e](int) { RotateSelection(e, kQuarterClockwise); }}},
      {"mnuRotateCC", {false, [&e](int) { RotateSelection(e, kQuarterCounterClockwise); }}},
      {"mnuRotate180", {false, [&e](int) { RotateSelection(e, kHalfTurn); }}},
  };
  arrays_ = {{"mnuFileRecent", {false, [&e](int index) { OpenLevel(e, index); }}}};
}

void MenuCommands::AddToolCommands() {
  Editor& e = editor_;
  single_.merge(CommandTable{
      {"mnuToolsPlay", {false, [&e](int) { PreviewLevel(e); }}},
      {"mnuToolsOverwrite", {false, [&e](int) { SetOverwrite(e, !e.tools.Overwrite); }}},
      {"mnuToolsSaturationCustom", {false, [this](int) { ChooseCustomSaturation(); }}},
      {"mnuToolsTileCount", {false, [this](int) { RunTileCount(editor_, DialogParent()); }}},
      {"mnuFileLevelManagement", {false, [&e](int) { OpenLevelManagement(e, e.prefs.LevelFile); }}},
      {"mnuToolsCompile", {false, [&e](int) { CompileCollection(e); }}},
      {"mnuToolsLaunchBrolt", {false, [&e](int) { LaunchGame(e); }}},
      {"mnuToolsBan2", {false, [&e](int) {
         if (e.DeveloperMode) EditDefinitions(e);
       }}},
  });
  arrays_.merge(CommandTable{
      {"mnuToolsToolsSelect", {false, [&e](int tool) { SelectTool(e, tool, e.tools.PrimaryTile, false); }}},
      {"mnuToolsThickValue", {false, [&e](int size) { ChooseBrushSize(e, size); }}},
      {std::string(kSaturationItem), {false, [&e](int percent) { SetSaturation(e, percent); }}},
      {"mnuToolsRotateValue", {false, [&e](int mode) { SetTileDirection(e, mode, false); }}},
      {"mnuToolsRotateValue_RMB", {false, [&e](int mode) { SetTileDirection(e, mode, true); }}},
  });
}

void MenuCommands::AddViewAndHelpCommands() {
  Editor& e = editor_;
  const auto help = [&e](std::string key) { return Command{false, [&e, key](int) { e.ui.dialogs->ShowHelpTopic(key); }}; };
  single_.merge(CommandTable{
      {"mnuViewZoomCustom", {false, [&e](int) { AskCustomZoom(e); }}},
      {"mnuToolsCenterOnLevel", {false, [&e](int) {
         CenterOnLevel(e);
         RedrawAtSameZoom(e);
       }}},
      {"mnuViewGrid", {false, [&e](int) { ShowGridLines(e, !e.view.GridShown); }}},
      {"mnuViewRefresh", {false, [&e](int) { RedrawAtSameZoom(e); }}},
      {"mnuFilePrefs", {false, [this](int) { RunPreferences(editor_, DialogParent()); }}},
      {"mnuHelpIndex", help("")},
      {"mnuHelpGettingStarted", help("gettingstarted")},
      {"mnuHelpTips", help("tip1")},
      {"mnuHelpShortcuts", help("shortcuts")},
      {"mnuHelpNew", help("whatsnew")},
      {"mnuHelpAbout", {true, [this](int) { RunAboutBox(editor_, DialogParent()); }}},
      {"mnuCancelPasteMode", {false, [&e](int) { CancelPasteMode(e); }}},
  });
  arrays_.merge(CommandTable{{"mnuViewZoomLevel", {false, [&e](int item) { SetZoom(e, ZoomOfMenuItem(item)); }}}});
}

const MenuCommands::Command* MenuCommands::Find(std::string_view name, int& index) const {
  index = 0;
  if (const auto single = single_.find(name); single != single_.end()) return &single->second;
  std::size_t digits = name.size();
  while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])) != 0) --digits;
  if (digits == name.size()) return nullptr;
  const auto array = arrays_.find(name.substr(0, digits));
  if (array == arrays_.end()) return nullptr;
  index = LeadingNumber(name.substr(digits));
  return &array->second;
}

bool MenuCommands::Run(std::string_view name) {
  int index = 0;
  const Command* command = Find(name, index);
  if (command == nullptr) return false;
  command->run(index);
  return true;
}

void MenuCommands::Watch(QMenu& menu) {
  if (menu.property(kWatchedMark).toBool()) return;
  menu.setProperty(kWatchedMark, true);
  menu.installEventFilter(this);
  connect(&menu, &QMenu::triggered, this, [this, &menu](QAction* item) { Triggered(menu, *item); });
  for (QAction* item : menu.actions()) {
    if (item->menu() != nullptr) Watch(*item->menu());
  }
}

// A menu reports its own items and, after them, the items of its submenus; each runs once, as an
// item of the menu that holds it. The name is read only now, so an item named after it was added
// runs too.
void MenuCommands::Triggered(const QWidget& container, QAction& item) {
  if (!container.actions().contains(&item)) return;
  int index = 0;
  const Command* command = Find(FromQString(item.objectName()), index);
  if (command == nullptr) return;
  if (command->gated && ConfirmExitPasteMode(editor_)) return;
  command->run(index);
}

bool MenuCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ActionAdded) {
    QAction* item = static_cast<QActionEvent*>(event)->action();
    if (item->menu() != nullptr) Watch(*item->menu());
  }
  return QObject::eventFilter(watched, event);
}

// A value without an item of its own gets one, after the other values, before the separator.
void MenuCommands::ChooseCustomSaturation() {
  const std::optional<int> percent = AskCustomSaturation(editor_);
  if (!percent) return;
  const std::string name = std::string(kSaturationItem) + std::to_string(*percent);
  QMenu* menu = FindSubmenu(menuBar_, "mnuToolsSaturation");
  if (FindMenuItem(menuBar_, name) == nullptr && menu != nullptr) {
    auto* item = new QAction(QString::number(*percent) + "%", menu);
    item->setObjectName(ToQString(name));
    item->setCheckable(true);
    menu->insertAction(FindMenuItem(menuBar_, "mnuBar4"), item);
  }
  SetSaturation(editor_, *percent);
}

QWidget* MenuCommands::DialogParent() const { return menuBar_.window(); }

}  // namespace brolt::editor
