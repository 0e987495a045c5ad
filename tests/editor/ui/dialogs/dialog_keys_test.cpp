// Every dialog with the keyboard alone: Return presses the button that has the keys, Escape cancels
// or closes.
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/support/collection_fixture.h"
#include "editor/support/keyboard_focus.h"
#include "editor/support/modal_script.h"
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

// What pressing a button shows the designer.
enum class Answer { Accepted, Rejected, HelpTopic, ColourPicker };

struct DialogKeys : testing::CollectionFixture {
  DialogKeys() {
    WriteLevels("Set.lvl", {"One", "Two"});
    editor.level.LevelTitle = "Mine";
  }
  SaveDialogState saving;
  LoadDialogState loading;
  CompileChoices compiling{.files = {"Set.lvl"}, .file = "Set.lvl"};
};

using Open = std::function<std::unique_ptr<DialogFrame>()>;
// A button of the dialog and what it answers.
using Press = std::pair<std::function<QPushButton*(DialogFrame&)>, Answer>;

QPushButton* Ok(DialogFrame& dialog) { return dialog.OkButton(); }
QPushButton* Cancel(DialogFrame& dialog) { return dialog.CancelButton(); }
QPushButton* Help(DialogFrame& dialog) { return dialog.HelpButton(); }
QPushButton* LevelColour(DialogFrame& dialog) { return static_cast<LevelPropertiesWindow&>(dialog).ColorButtonAt(0); }
QPushButton* BorderColour(DialogFrame& dialog) { return static_cast<PreferencesWindow&>(dialog).BorderButton(); }

// Waits for the picker a colour button opens and closes it; true when one came up.
void CloseColourPickerWhenShown(bool& shown) {
  testing::WhenModalShown([&shown](QWidget* modal) {
    shown = qobject_cast<QDialog*>(modal) != nullptr && modal->windowTitle() == "Color Picker";
    static_cast<QDialog*>(modal)->reject();
  });
}

TEST_F(DialogKeys, ReturnPressesTheButtonTabGaveTheKeysToAndEscapeCancels) {
  struct Case {
    const char* dialog;
    Open open;
    std::vector<Press> buttons;
    std::string helpTopic;
  };
  const Press ok{Ok, Answer::Accepted}, cancel{Cancel, Answer::Rejected}, help{Help, Answer::HelpTopic};
  const Case cases[] = {
      {"level properties", [this] {
         auto window = std::make_unique<LevelPropertiesWindow>(editor, nullptr);
         window->TitleBox()->setText("Mine");
         return window;
       }, {ok, cancel, help, {LevelColour, Answer::ColourPicker}}, "toolbar3"},
      {"preferences", [this] { return std::make_unique<PreferencesWindow>(editor, nullptr); },
       {ok, cancel, help, {BorderColour, Answer::ColourPicker}}, "preferences"},
      {"colour picker", [this] { return std::make_unique<ColorPickerWindow>(editor, nullptr); },
       {ok, cancel, help}, "color_picker"},
      {"save", [this] {
         EXPECT_TRUE(PrepareSaveDialog(editor, saving));
         return std::make_unique<SaveDialog>(editor, saving);
       }, {ok, cancel}, ""},
      {"load", [this] {
         EXPECT_TRUE(PrepareLoadDialog(editor, loading));
         loading.LevelIndex = 0;
         return std::make_unique<LoadDialog>(editor, loading);
       }, {ok, cancel}, ""},
      {"level management", [this] { return std::make_unique<LevelManagementDialog>(editor, "Set.lvl"); },
       {ok, help}, "toolbar4"},
      {"compile", [this] { return std::make_unique<CompileDialog>(editor, compiling); },
       {ok, cancel, help}, "toolbar8"},
      {"tile counter", [this] { return std::make_unique<TileCounterWindow>(editor, nullptr); },
       {ok, help}, "tilecount"},
  };
  for (const Case& c : cases) {
    for (std::size_t n = 0; n <= c.buttons.size(); ++n) {
      const bool escape = n == c.buttons.size();
      SCOPED_TRACE(std::string(c.dialog) + (escape ? ", Escape" : ", button " + std::to_string(n)));
      const std::unique_ptr<DialogFrame> dialog = c.open();
      dialog->show();
      dialogs.helpTopics.clear();
      const Answer expected = escape ? Answer::Rejected : c.buttons[n].second;
      bool pickerShown = false;
      if (expected == Answer::ColourPicker) CloseColourPickerWhenShown(pickerShown);
      if (!escape) {
        QPushButton* button = c.buttons[n].first(*dialog);
        EXPECT_TRUE(testing::TabTo(*dialog, button)) << button->text().toStdString();
      }
      testing::PressKey(*dialog, escape ? Qt::Key_Escape : Qt::Key_Return);
      const bool open = expected == Answer::HelpTopic || expected == Answer::ColourPicker;
      EXPECT_EQ(dialog->isVisible(), open);
      if (!open) { EXPECT_EQ(dialog->result(), expected == Answer::Accepted ? QDialog::Accepted : QDialog::Rejected); }
      EXPECT_EQ(dialogs.helpTopics, expected == Answer::HelpTopic ? std::vector{c.helpTopic} : std::vector<std::string>{});
      EXPECT_EQ(pickerShown, expected == Answer::ColourPicker);
    }
  }
}

}  // namespace
}  // namespace brolt::editor
