#pragma once
// The main window's timer: a tick every 20 milliseconds for as long as the window lives.
#include <QTimer>

#include "editor/model/editor.h"

namespace brolt::editor {

class MainWindowTimer {
 public:
  explicit MainWindowTimer(Editor& editor);

  const QTimer& Timer() const { return timer_; }

 private:
  QTimer timer_;
};

}  // namespace brolt::editor
