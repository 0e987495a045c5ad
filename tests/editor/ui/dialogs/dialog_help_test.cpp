// The help every dialog offers: each label clicked, then a right click on OK and on Cancel and a
// left click on the help button, as the designer asks for them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "editor/model/collections/load_dialog_rules.h"
#include "editor/model/collections/save_dialog_rules.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/widget_events.h"
#include "editor/ui/dialogs/color_picker_window.h"
#include "editor/ui/dialogs/compile_dialog.h"
#include "editor/ui/dialogs/level_management_dialog.h"
#include "editor/ui/dialogs/level_properties_window.h"
#include "editor/ui/dialogs/load_dialog.h"
#include "editor/ui/dialogs/preferences_window.h"
#include "editor/ui/dialogs/save_dialog.h"
#include "editor/ui/main_window/tile_counter_window.h"

namespace brolt::editor {
namespace {

TEST(DialogHelp, EveryLabelAndButtonOfEveryDialogOpensItsOwnTopic) {
  testing::LevelsFolderEditor t;
  t.WriteLevels("Set.lvl", {"A"});
  t.editor.prefs.LevelFile = "Set.lvl";
  SaveDialogState saving;
  LoadDialogState loading;
  ASSERT_TRUE(PrepareSaveDialog(t.editor, saving) && PrepareLoadDialog(t.editor, loading));
  CompileChoices compiling;
  compiling.files = {"Set.lvl"};
  compiling.file = "Set.lvl";
  using Make = std::function<std::unique_ptr<DialogFrame>()>;
  struct Case {
    const char* dialog;
    Make make;
    std::vector<std::string> labels;  // the topics its labels open, in the order they were made
    std::vector<std::string> buttons;  // OK, Cancel and the help button
  };
  const std::string ok = "button_ok", cancel = "button_cancel";
  const Case cases[] = {
      {"save", [&] { return std::make_unique<SaveDialog>(t.editor, saving); },
       {"level_title", "levels", "collectioncombo"}, {ok, cancel}},
      {"load", [&] { return std::make_unique<LoadDialog>(t.editor, loading); },
       {"collectioncombo", "levels", "preview"}, {ok, cancel}},
      {"compile", [&] { return std::make_unique<CompileDialog>(t.editor, compiling); },
       {"compile_availablelevels", "compile_availablelevels", "toolbar8", "collectioncombo", "compile_comments",
        "compile_congrats"},
       {ok, cancel, "toolbar8"}},
      {"level management", [&] { return std::make_unique<LevelManagementDialog>(t.editor, "Set.lvl"); },
       {"collectioncombo", "levels", "preview", "clipboard", "toolbar4"}, {ok, "toolbar4"}},
      {"level properties", [&] { return std::make_unique<LevelPropertiesWindow>(t.editor, nullptr); },
       {"toolbar3", "level_title", "level_timelimit", "level_timelimit", "level_timelimit", "level_unidaward",
        "level_unidaward", "level_cannonrate", "level_cannonrate", "level_lightradius", "level_lightradius"},
       {ok, cancel, "toolbar3"}},
      {"preferences", [&] { return std::make_unique<PreferencesWindow>(t.editor, nullptr); },
       {"preferences", "prefs_bordercolor", "prefs_gridcolor1", "prefs_gridcolor2", "prefs_formfadein",
        "prefs_centeronscreen", "prefs_maximizeeditor", "prefs_mutemusic", "level_lightradius", "level_cannonrate"},
       {ok, cancel, "preferences"}},
      {"colour picker", [&] { return std::make_unique<ColorPickerWindow>(t.editor, nullptr); },
       {"color_picker", "color_rgb", "color_rgb", "color_rgb", "color_rgb", "color_rgb", "color_rgb"},
       {ok, cancel, "color_picker"}},
      {"tile counter", [&] { return std::make_unique<TileCounterWindow>(t.editor, nullptr); },
       {"tilecount", "tilecounter"}, {ok, "tilecount"}},
  };
  for (const Case& c : cases) {
    std::unique_ptr<DialogFrame> dialog = c.make();
    dialog->show();
    t.dialogs.helpTopics.clear();
    for (QLabel* label : dialog->findChildren<QLabel*>()) testing::Click(label, {2, 2});
    EXPECT_EQ(t.dialogs.helpTopics, c.labels) << c.dialog;
    t.dialogs.helpTopics.clear();
    for (QPushButton* button : {dialog->OkButton(), dialog->CancelButton()})
      if (button != nullptr) testing::Click(button, {5, 5}, Qt::RightButton);
    if (dialog->HelpButton() != nullptr) dialog->HelpButton()->click();
    EXPECT_EQ(t.dialogs.helpTopics, c.buttons) << c.dialog;
    EXPECT_TRUE(dialog->isVisible()) << c.dialog << " closed by a right click";
  }
}

}  // namespace
}  // namespace brolt::editor
