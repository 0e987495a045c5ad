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
#include "editor/model/canvas/canvas_preview.h"
#include "editor/model/canvas/level_state.h"
#include "editor/model/canvas/undo_ring.h"
#include "editor/model/canvas/view_state.h"
#include "editor/model/collections/collection_state.h"
#include "editor/model/collections/manage_state.h"
#include "editor/model/dialogs/color_picker_state.h"
#include "editor/model/dialogs/splash_progress.h"
#include "editor/model/services/dialogs.h"
#include "editor/model/services/game_launcher.h"
#include "editor/model/services/help_topics.h"
#include "editor/model/services/preferences.h"
#include "editor/model/services/tile_catalogue.h"
#include "editor/model/tools/selection_state.h"
#include "editor/model/tools/tool_state.h"
#include "editor/model/window/canvas_surface.h"
#include "editor/model/window/input_state.h"
#include "editor/model/window/window_controls.h"

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
