#include "editor/ui/boxes/layered_window.h"

#include <algorithm>

namespace brolt::editor {
namespace {
constexpr const char* kLayeredProperty = "layeredWindow";
constexpr int kOpaque = 255;
}  // namespace

void MakeWindowLayered(QWidget* window) {
  if (window != nullptr) window->setProperty(kLayeredProperty, true);
}

void SetWindowAlpha(QWidget* window, int alpha) {
  if (window == nullptr || !window->property(kLayeredProperty).toBool()) return;
  window->setWindowOpacity(std::clamp(alpha, 0, kOpaque) / static_cast<double>(kOpaque));
}

WindowFade::WindowFade(QWidget* window) : QObject(window), window_(window) {
  timer_.setInterval(kTickMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &WindowFade::Step);
}

void WindowFade::Start(int firstAlpha, int step, int finalAlpha) {
  alpha_ = firstAlpha;
  step_ = std::max(step, 1);  // a step of 0 would never reach the end
  finalAlpha_ = finalAlpha;
  MakeWindowLayered(window_);
  SetWindowAlpha(window_, alpha_);
  timer_.start();
}

void WindowFade::Step() {
  alpha_ += step_;
  if (alpha_ < kOpaque) {
    SetWindowAlpha(window_, alpha_);
    return;
  }
  timer_.stop();
  SetWindowAlpha(window_, finalAlpha_);
  emit Finished();
}

}  // namespace brolt::editor
