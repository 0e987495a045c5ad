#include "editor/ui/layered_window.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <array>

namespace brolt::editor {
namespace {

int Alpha(const QWidget& window) { return qRound(window.windowOpacity() * 255); }

TEST(WindowFade, StartsAtTheFirstAlphaAndEndsAtTheFinalOne) {
  // A step of 0 would never end, so it counts as 1.
  for (const auto& [first, step, last] : {std::array{0, 15, 255}, std::array{0, 100, 230}, std::array{1, 7, 253},
                                           std::array{250, 0, 255}}) {
    QWidget window;
    auto* fade = new WindowFade(&window);
    QEventLoop loop;
    QObject::connect(fade, &WindowFade::Finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    fade->Start(first, step, last);
    EXPECT_EQ(Alpha(window), first);
    loop.exec();
    EXPECT_FALSE(fade->IsRunning()) << step;
    EXPECT_EQ(Alpha(window), last) << step;
  }
}

TEST(SetWindowAlpha, ChangesOnlyALayeredWindow) {
  QWidget plain;
  SetWindowAlpha(&plain, 0);
  EXPECT_EQ(Alpha(plain), 255);

  QWidget layered;
  MakeWindowLayered(&layered);
  for (const auto& [alpha, shown] : {std::pair{0, 0}, std::pair{230, 230}, std::pair{400, 255}, std::pair{-5, 0}}) {
    SetWindowAlpha(&layered, alpha);
    EXPECT_EQ(Alpha(layered), shown) << alpha;
  }
}

}  // namespace
}  // namespace brolt::editor
