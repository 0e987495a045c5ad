#pragma once
// A box or dialog that closes gives the keyboard back to the window that had it. A window manager
// would; without one (a bare X server) the keys would otherwise go nowhere.
#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QWidget>

namespace brolt::editor {

class KeyboardReturn {
 public:
  KeyboardReturn() : window_(KeyboardOwner()) {}
  ~KeyboardReturn() {
    if (window_ && window_->isVisible()) window_->activateWindow();
  }
  KeyboardReturn(const KeyboardReturn&) = delete;
  KeyboardReturn& operator=(const KeyboardReturn&) = delete;

 private:
  // The active window; just after another box closed, while the main window's activation is still
  // on its way, none is active, and the main window is the one to return to.
  static QWidget* KeyboardOwner() {
    if (QApplication::activeWindow() != nullptr) return QApplication::activeWindow();
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible() && qobject_cast<QMainWindow*>(window) != nullptr) return window;
    return nullptr;
  }

  QPointer<QWidget> window_;
};

}  // namespace brolt::editor
