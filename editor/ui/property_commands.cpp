#include "editor/ui/property_commands.h"

#include "editor/model/level_properties.h"
#include "editor/model/preferences_command.h"
#include "editor/model/tile_count_command.h"
#include "editor/ui/keyboard_return.h"
#include "editor/ui/level_properties_window.h"
#include "editor/ui/preferences_window.h"
#include "editor/ui/splash_window.h"
#include "editor/ui/tile_counter_window.h"

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
