#include "editor/ui/main_window/main_window_keyboard.h"

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
struct PropertiesDialogs : testing::ScriptedDialogs {
  QWidget* focused = nullptr;
  int opened = 0;
  void OpenLevelProperties() override {
    ++opened;
    focused->clearFocus();
  }
};

TEST(MainWindowKeyboard, AKeyThatOpensABoxActsOnceThoughItGoesOnToTheWindowAfterward) {
  QWidget window;
  auto* control = new QWidget(&window);
  control->setFocusPolicy(Qt::StrongFocus);
  window.show();
  QApplication::setActiveWindow(&window);
  control->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), control);
  PropertiesDialogs dialogs;
  dialogs.focused = control;
  testing::RecordingWindow controls;
  Editor editor;
  editor.ui.window = &controls;
  editor.ui.dialogs = &dialogs;
  MainWindowKeyboard keyboard(editor, window);

  // The control does not take Backspace, so the press goes on to the window around it; then, with
  // nothing focused, a press reaches the window itself.
  int opened = 0;
  for (QWidget* target : {control, &window}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    EXPECT_EQ(dialogs.opened, ++opened);
  }
}

}  // namespace
}  // namespace brolt::editor
