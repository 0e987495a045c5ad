#include "editor/ui/dialogs/property_commands.h"

#include "editor/model/commands/level_properties.h"
#include "editor/model/commands/preferences_command.h"
#include "editor/model/commands/tile_count_command.h"
#include "editor/ui/dialogs/level_properties_window.h"
#include "editor/ui/dialogs/preferences_window.h"
#include "editor/ui/dialogs/splash_window.h"
#include "editor/ui/main_window/tile_counter_window.h"
#include "editor/ui/qt/keyboard_return.h"

namespace brolt::editor {

void RunLevelProperties(Editor& editor, QWidget* parent) {
  LevelPropertiesWindow window(editor, parent);
  ShowLevelProperties(editor, window);
}

void RunPreferences(Editor& editor, QWidget* parent) {
  PreferencesWindow window(editor, parent);
  ShowPreferences(editor, window);
}

void RunTileCount(Editor& editor, QWidget* parent) {
  TileCounterWindow window(editor, parent);
  ShowTileCount(editor, window);
}

void RunAboutBox(Editor& editor, QWidget* parent) {
  SplashWindow about(editor, [] { return true; }, parent);
  about.MakeAboutBox();
  const KeyboardReturn keyboard;
  about.exec();
}

}  // namespace brolt::editor
