#include "editor/ui/boxes/qt_dialogs.h"

#include <QImage>
#include <gtest/gtest.h>

#include <functional>

#include "editor/model/collections/load_dialog_rules.h"
#include "editor/model/collections/save_dialog_rules.h"
#include "editor/model/commands/apply_color_scheme.h"
#include "editor/support/closing_dialogs.h"
#include "editor/support/help_database.h"
#include "editor/support/fake_help_host.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/skinned_editor.h"
#include "editor/ui/boxes/help_window.h"
#include "editor/ui/boxes/input_box_window.h"
#include "editor/ui/boxes/message_box_window.h"
#include "editor/ui/boxes/wait_window.h"
#include "editor/ui/dialogs/property_commands.h"
#include "editor/ui/dialogs/splash_window.h"

namespace brolt::editor {
namespace {

bool Shows(QWidget& window, const QColor& colour) {
  const QImage picture = window.grab().toImage();
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

// The kept boxes are made once in the colours of their time; a new colour scheme must reach every one.
TEST(QtDialogs, EveryKeptBoxIsBuiltAfreshInTheNewColoursAfterTheSchemeChanges) {
  testing::LevelsFolderEditor t;
  testing::FakeHelpHost host;
  QtDialogs dialogs(t.editor, host);
  t.editor.ui.dialogs = &dialogs;
  testing::SetTestColorScheme(t.editor);
  const QColor before(60, 90, 160), after(200, 40, 10);
  using Box = std::pair<const char*, std::function<QWidget&()>>;
  const Box boxes[] = {{"message", [&]() -> QWidget& { return dialogs.MessageBox(); }},
                       {"input", [&]() -> QWidget& { return dialogs.InputBox(); }},
                       {"wait", [&]() -> QWidget& { return dialogs.Wait(); }},
                       {"help", [&]() -> QWidget& { return dialogs.Help(); }}};
  for (const auto& [name, box] : boxes) EXPECT_TRUE(Shows(box(), before)) << name;

  t.editor.prefs.BorderColor = "200,40,10";
  ApplyColorScheme(t.editor, false);
  for (const auto& [name, box] : boxes) {
    EXPECT_TRUE(Shows(box(), after)) << name;
    EXPECT_FALSE(Shows(box(), before)) << name;
  }
}

// Each of the editor's dialogs, as a command asks for it, comes up in its own window, and the help
// window open before gives way to it.
TEST(QtDialogs, EachDialogComesUpInItsOwnWindowAndTheHelpWindowGivesWay) {
  testing::HelpDatabase help(testing::SampleTopics());
  testing::LevelsFolderEditor t;
  help.OpenInto(t.editor);
  testing::FakeHelpHost host;
  QtDialogs dialogs(t.editor, host);
  t.editor.ui.dialogs = &dialogs;
  t.WriteLevels("Set.lvl", {"A"});
  t.editor.prefs.LevelFile = "Set.lvl";
  const std::pair<const char*, std::function<void()>> requests[] = {
      {"Save Level As", [&] {
         SaveDialogState state;
         if (PrepareSaveDialog(t.editor, state)) dialogs.ShowSaveDialog(state);
       }},
      {"Load Level", [&] {
         LoadDialogState state;
         if (PrepareLoadDialog(t.editor, state)) dialogs.ShowLoadDialog(state);
       }},
      {"Compile Level Collection", [&] {
         CompileChoices choices;
         choices.files = {"Set.lvl"};
         choices.file = "Set.lvl";
         dialogs.ShowCompileDialog(choices);
       }},
      {"Level Management", [&] { dialogs.ShowLevelManagement("Set.lvl"); }},
      {"Level Properties", [&] { dialogs.OpenLevelProperties(); }},
      {"About", [&] { RunAboutBox(t.editor, nullptr); }},
  };
  for (const auto& [title, request] : requests) {
    dialogs.ShowHelpTopic("zoom");
    ASSERT_TRUE(dialogs.HelpVisible());
    testing::ClosingDialogs<QDialog> closing([&](QDialog& dialog) {
      const std::string shown = dynamic_cast<SplashWindow*>(&dialog) ? "About" : dialog.windowTitle().toStdString();
      return shown + (dialogs.HelpVisible() ? " under the help window" : "");
    });
    request();
    EXPECT_EQ(closing.noted, std::vector<std::string>{title});
  }
}

}  // namespace
}  // namespace brolt::editor
