#pragma once
// A box or dialog that closes gives the keyboard back to the window that had it. A window manager
// would; without one (a bare X server) the keys would otherwise go nowhere.
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace brolt::editor {

class KeyboardReturn {
 public:
  KeyboardReturn() : window_(QApplication::activeWindow()) {}
  ~KeyboardReturn() {
    if (window_ && window_->isVisible()) window_->activateWindow();
  }
  KeyboardReturn(const KeyboardReturn&) = delete;
  KeyboardReturn& operator=(const KeyboardReturn&) = delete;

 private:
  QPointer<QWidget> window_;
};

}  // namespace brolt::editor
