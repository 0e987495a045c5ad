#include "editor/ui/layered_window.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QWidget>
#include <vector>

namespace brolt::editor {
namespace {

// Runs a fade to its end and returns every opacity the window went through, as alpha values.
std::vector<int> RunFade(QWidget& window, int first, int step, int final) {
  std::vector<int> seen;
  WindowFade* fade = new WindowFade(&window);
  QEventLoop loop;
  QObject::connect(fade, &WindowFade::Finished, &loop, &QEventLoop::quit);
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, &loop, &QEventLoop::quit);
  QTimer sampler;
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    const int alpha = qRound(window.windowOpacity() * 255);
    if (seen.empty() || seen.back() != alpha) seen.push_back(alpha);
  });
  fade->Start(first, step, final);
  seen.push_back(qRound(window.windowOpacity() * 255));
  sampler.start(1);
  watchdog.start(5000);
  loop.exec();
  EXPECT_FALSE(fade->IsRunning());
  seen.push_back(qRound(window.windowOpacity() * 255));
  return seen;
}

struct FadeCase {
  int first, step, final;
};

TEST(WindowFade, RisesFromTheFirstAlphaAndEndsAtTheFinalOne) {
  const FadeCase cases[] = {{0, 15, 255}, {0, 100, 230}, {1, 7, 253}, {250, 0, 255}, {0, 300, 255}};
  for (const FadeCase& c : cases) {
    QWidget window;
    window.show();
    const std::vector<int> seen = RunFade(window, c.first, c.step, c.final);
    EXPECT_EQ(seen.front(), c.first) << c.step;
    EXPECT_EQ(seen.back(), c.final) << c.step;
    for (std::size_t n = 1; n + 1 < seen.size(); ++n) EXPECT_LT(seen[n - 1], seen[n]) << "step " << c.step;
  }
}

TEST(SetWindowAlpha, ChangesOnlyALayeredWindow) {
  QWidget plain;
  SetWindowAlpha(&plain, 0);
  EXPECT_DOUBLE_EQ(plain.windowOpacity(), 1.0);

  QWidget layered;
  MakeWindowLayered(&layered);
  const std::pair<int, double> cases[] = {{0, 0.0}, {230, 230.0 / 255}, {255, 1.0}, {400, 1.0}, {-5, 0.0}};
  for (const auto& [alpha, opacity] : cases) {
    SetWindowAlpha(&layered, alpha);
    EXPECT_NEAR(layered.windowOpacity(), opacity, 1.0 / 512) << alpha;
  }
  SetWindowAlpha(nullptr, 10);
  MakeWindowLayered(nullptr);
}

}  // namespace
}  // namespace brolt::editor
