#pragma once
// The editor's start-up: the database, the splash window with its progress, the catalogue and the
// preferences, the start level and view, then the main window and the collection list.
#include <QMainWindow>

#include "editor/model/editor.h"
#include "editor/ui/qprocess_game_launcher.h"

namespace brolt::editor {

struct EditorProgram {
  Editor editor;
  QMainWindow mainWindow;  // the editor's main window
  QProcessGameLauncher launcher;
};

// The whole start-up, in order. Throws DatabaseError (naming the file) when the definitions
// database is missing or unreadable or holds no tiles; nothing is shown then but the splash.
void Main(EditorProgram& program);

// The part of the start-up behind the splash window: loads the definitions and prepares the level,
// the view, the tools and the markers.
void InitEditor(EditorProgram& program);

}  // namespace brolt::editor
