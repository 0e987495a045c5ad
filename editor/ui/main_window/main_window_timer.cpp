#include "editor/ui/main_window/main_window_timer.h"

#include "editor/model/window/main_window_timer.h"

namespace brolt::editor {

MainWindowTimer::MainWindowTimer(Editor& editor) {
  timer_.setInterval(kTimerIntervalMs);
  QObject::connect(&timer_, &QTimer::timeout, [&editor] { TimerTick(editor); });
  timer_.start();
}

}  // namespace brolt::editor
