#pragma once
// The editor's whole state: one instance, owned by the program and passed by reference, so that a
// test can build a fresh editor with its own database, random source and fake windows.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/database.h"
#include "common/random.h"
#include "editor/model/canvas_preview.h"
#include "editor/model/canvas_surface.h"
#include "editor/model/collection_state.h"
#include "editor/model/color_picker_state.h"
#include "editor/model/dialogs.h"
#include "editor/model/help_topics.h"
#include "editor/model/game_launcher.h"
#include "editor/model/input_state.h"
#include "editor/model/level_state.h"
#include "editor/model/manage_state.h"
#include "editor/model/preferences.h"
#include "editor/model/selection_state.h"
#include "editor/model/splash_progress.h"
#include "editor/model/tile_catalogue.h"
#include "editor/model/tool_state.h"
#include "editor/model/undo_ring.h"
#include "editor/model/view_state.h"
#include "editor/model/window_controls.h"

namespace brolt::editor {

// The windows the rules talk to. Each starts as a do-nothing default; the program and the tests
// point them at real or fake ones.
struct EditorUi {
  Dialogs* dialogs = &defaultDialogs;
  CanvasSurface* canvas = &defaultCanvas;
  WindowControls* window = &defaultWindow;
  SplashDisplay* splash = &defaultSplash;
  GameLauncher* launcher = &defaultLauncher;

 private:
  static inline Dialogs defaultDialogs;
  static inline CanvasSurface defaultCanvas;
  static inline WindowControls defaultWindow;
  static inline SplashDisplay defaultSplash;
  static inline GameLauncher defaultLauncher;
};

struct Editor {
  std::filesystem::path AppPath;           // the program folder
  std::unique_ptr<Database> DefineDb;      // open for the editor's whole run
  bool DeveloperMode = false;
  Preferences prefs;
  TileCatalogue tiles;
  LevelState level;
  UndoRing undo;
  ViewState view;
  ToolState tools;
  InputState input;
  SelectionState selection;
  ClipboardState clipboard;
  CanvasPreview preview;
  CollectionState collections;
  ManageState manage;
  ColorPickerState colorPicker;
  // "NAME=value" entries added to the game's environment when the editor starts it; empty in a
  // designer's run, set by tests that drive the game headless.
  std::vector<std::string> GameEnvironment;
  SeededRandom random;
  HelpTopics help;
  // The own boxes' final opacities and the longest collection file name the input box takes.
  std::int16_t DialogAlpha = 230;
  std::int16_t WaitAlpha = 200;
  std::int16_t MaxFileNameLength = 30;
  SplashProgress splash;
  EditorUi ui;
};

}  // namespace brolt::editor
