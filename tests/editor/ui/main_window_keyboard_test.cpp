#include "editor/ui/main_window_keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include "editor/support/recording_window.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

// Level properties opened by Backspace: the box takes the focus with it when it closes, as a window
// manager may give the keyboard back to the main window itself.
class PropertiesDialogs : public testing::ScriptedDialogs {
 public:
  explicit PropertiesDialogs(QWidget& focused) : focused_(focused) {}
  void OpenLevelProperties() override {
    ++opened;
    focused_.clearFocus();
  }
  int opened = 0;

 private:
  QWidget& focused_;
};

TEST(MainWindowKeyboard, AKeyThatOpensABoxActsOnceThoughItGoesOnToTheWindowAfterward) {
  QWidget window;
  auto* control = new QWidget(&window);
  control->setFocusPolicy(Qt::StrongFocus);
  window.show();
  QApplication::setActiveWindow(&window);
  control->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), control);
  PropertiesDialogs dialogs(*control);
  testing::RecordingWindow controls;
  Editor editor;
  editor.ui.window = &controls;
  editor.ui.dialogs = &dialogs;
  MainWindowKeyboard keyboard(editor, window);

  // The control does not take Backspace, so the press goes on to the window around it.
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QApplication::sendEvent(control, &press);
  EXPECT_EQ(dialogs.opened, 1);
  QKeyEvent again(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QApplication::sendEvent(&window, &again);
  EXPECT_EQ(dialogs.opened, 2);
}

}  // namespace
}  // namespace brolt::editor
