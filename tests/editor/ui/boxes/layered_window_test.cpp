#include "editor/ui/boxes/layered_window.h"

#include <QTest>
#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

int Alpha(const QWidget& window) { return qRound(window.windowOpacity() * 255); }

TEST(WindowFade, StartsAtTheFirstAlphaAndEndsAtTheFinalOne) {
  // A step of 0 would never end, so it counts as 1.
  for (const auto& [first, step, last] : {std::array{0, 15, 255}, {0, 100, 230}, {1, 7, 253}, {250, 0, 255}}) {
    QWidget window;
    auto* fade = new WindowFade(&window);
    fade->Start(first, step, last);
    EXPECT_EQ(Alpha(window), first) << step;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fade->IsRunning(); }, 5000)) << step;
    EXPECT_EQ(Alpha(window), last) << step;
  }
}

TEST(SetWindowAlpha, ChangesOnlyALayeredWindowWithinNoneToOpaque) {
  QWidget plain, layered;
  MakeWindowLayered(&layered);
  for (const auto& [alpha, shown] : {std::pair{0, 0}, {230, 230}, {400, 255}, {-5, 0}}) {
    SetWindowAlpha(&plain, alpha);
    SetWindowAlpha(&layered, alpha);
    EXPECT_EQ(Alpha(plain), 255) << alpha;
    EXPECT_EQ(Alpha(layered), shown) << alpha;
  }
}

}  // namespace
}  // namespace brolt::editor
