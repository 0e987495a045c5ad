#include "editor/ui/boxes/pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace brolt::editor {

void Pause(double seconds) {
  QElapsedTimer timer;
  timer.start();
  const qint64 wait = static_cast<qint64>(seconds * 1000);
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  } while (timer.elapsed() < wait);
}

}  // namespace brolt::editor
