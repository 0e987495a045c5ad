#include "editor/ui/boxes/pause.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

namespace brolt::editor {
namespace {

TEST(Pause, WaitsAtLeastTheTimeAndLetsWindowEventsRun) {
  for (double seconds : {0.0, 0.01, 0.15}) {
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QElapsedTimer timer;
    timer.start();
    Pause(seconds);
    EXPECT_TRUE(ran) << seconds;
    EXPECT_GE(timer.elapsed(), static_cast<qint64>(seconds * 1000)) << seconds;
    EXPECT_LT(timer.elapsed(), static_cast<qint64>(seconds * 1000) + 500) << seconds;
  }
}

}  // namespace
}  // namespace brolt::editor
