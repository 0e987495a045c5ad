#include "editor/ui/main_window/main_window_keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "editor/model/window/keyboard_shortcuts.h"
#include "editor/ui/qt/key_codes.h"

namespace brolt::editor {

MainWindowKeyboard::MainWindowKeyboard(Editor& editor, QWidget& mainWindow) : editor_(editor), mainWindow_(mainWindow) {
  QApplication::instance()->installEventFilter(this);
}

MainWindowKeyboard::~MainWindowKeyboard() { QApplication::instance()->removeEventFilter(this); }

QWidget* MainWindowKeyboard::KeyReceiver() const {
  return QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &mainWindow_;
}

bool MainWindowKeyboard::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  // A key the focused control passes on reaches its parents too; it counts once, at the first.
  QWidget* first = KeyReceiver();
  if (watched != first || first->window() != &mainWindow_) return false;
  const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
  if (type == QEvent::KeyPress) {
    // Dropped before the open level list could take it as its own page step.
    if (DropsLevelStepKey(editor_, VirtualKeyCode(keyEvent))) return true;
    KeyDown(editor_, VirtualKeyCode(keyEvent));
    // A key that moved the focus (a box it opened gave the keyboard back elsewhere) is done with:
    // going on to the parents, it would meet the new focus and count a second time.
    if (KeyReceiver() != first) return true;
  } else if (!keyEvent.isAutoRepeat()) {
    // The platform's key repeat sends a release before every repeated press; a held Space or S
    // must stay held until the key really comes up.
    KeyUp(editor_, VirtualKeyCode(keyEvent));
  }
  return false;
}

}  // namespace brolt::editor
