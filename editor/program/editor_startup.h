#pragma once
// The editor's start-up: the database, the splash window with its progress, the catalogue and the
// preferences, the start level and view, then the main window and the collection list.
#include <filesystem>

#include "editor/model/editor.h"
#include "editor/ui/boxes/qt_dialogs.h"
#include "editor/ui/canvas/tileset_pictures.h"
#include "editor/ui/main_window/main_window.h"
#include "editor/ui/main_window/main_window_keyboard.h"
#include "editor/ui/main_window/main_window_timer.h"
#include "editor/ui/main_window/menu_commands.h"
#include "editor/ui/main_window/panel_controls.h"
#include "editor/ui/qt/qprocess_game_launcher.h"

namespace brolt::editor {

// The editor and its windows, wired together: the main window with the tool bar and tool panel in
// it is the rules' window and canvas, the editor's own boxes their dialogs.
struct EditorProgram {
  // The program folder comes first: the tool bar and tool panel take their pictures from it.
  explicit EditorProgram(std::filesystem::path appPath = {});
  EditorProgram(const EditorProgram&) = delete;
  EditorProgram& operator=(const EditorProgram&) = delete;

  Editor editor;
  TilesetPictures pictures;  // read at start-up, after the catalogue
  MainWindow mainWindow{editor, pictures};
  QtDialogs dialogs{editor, mainWindow};
  MenuCommands* menuCommands;  // these three belong to the main window's menu bar and strips
  ToolBar* toolBar;
  ToolPanel* toolPanel;
  PanelControls controls;
  MainWindowKeyboard keyboard{editor, mainWindow};
  MainWindowTimer timer{editor};
  QProcessGameLauncher launcher;
};

// The whole start-up, in order. Throws DatabaseError (naming the file) when the definitions
// database is missing or unreadable or holds no tiles; nothing is shown then but the splash.
void Main(EditorProgram& program);

// The part of the start-up behind the splash window: loads the definitions and prepares the level,
// the view, the tools and the markers.
void InitEditor(EditorProgram& program);

}  // namespace brolt::editor
