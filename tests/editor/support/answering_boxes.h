#pragma once
// The editor's own message boxes, each recorded and answered with a key once it is up, so that the
// keyboard leaves the dialog under it and comes back as it does for the designer.
#include <QPushButton>

#include <string>
#include <string_view>
#include <vector>

#include "editor/support/fake_help_host.h"
#include "editor/support/keyboard_focus.h"
#include "editor/support/modal_script.h"
#include "editor/ui/boxes/message_box_window.h"
#include "editor/ui/boxes/qt_dialogs.h"

namespace brolt::testing {

// Made before the boxes, which keep the main window they stand over.
struct HelpHostHolder {
  FakeHelpHost host;
};

class AnsweringBoxes : private HelpHostHolder, public editor::QtDialogs {
 public:
  explicit AnsweringBoxes(editor::Editor& editor) : QtDialogs(editor, host) {}

  int ShowMessageBox(std::string_view text, editor::ButtonSet buttons, std::string_view helpKey) override {
    shown.emplace_back(text);
    WhenModalShown([key = answer, button = tabTo](QWidget* modal) {
      auto* box = qobject_cast<editor::MessageBoxWindow*>(modal);
      ASSERT_NE(box, nullptr) << "not a message box";
      if (button >= 0) EXPECT_TRUE(TabTo(*box, box->Button(button))) << "no Tab reaches button " << button;
      PressKey(*box, key);
    });
    return QtDialogs::ShowMessageBox(text, buttons, helpKey);
  }

  Qt::Key answer = Qt::Key_Return;  // the default button; Escape answers No to a question
  int tabTo = -1;                   // the button Tab gives the keys to first; -1 leaves them on the default
  std::vector<std::string> shown;
};

}  // namespace brolt::testing
