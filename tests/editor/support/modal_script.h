#pragma once
// Acts on the modal window or pop-up menu a call is about to show: the action runs from the event
// loop once it is up, so that a test can press its keys and buttons while the call waits for an
// answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace brolt::testing {

// Waits for `shown` to name a visible window, trying every 10 ms for two seconds.
inline void WhenShown(QWidget* (*shown)(), std::function<void(QWidget*)> action, int triesLeft = 200) {
  QTimer::singleShot(triesLeft == 200 ? 0 : 10, [shown, action = std::move(action), triesLeft]() mutable {
    QWidget* window = shown();
    if (window != nullptr && window->isVisible()) {
      action(window);
    } else if (triesLeft > 0) {
      WhenShown(shown, std::move(action), triesLeft - 1);
    } else {
      ADD_FAILURE() << "no window came up";
    }
  });
}

inline void WhenModalShown(std::function<void(QWidget*)> action) {
  WhenShown(&QApplication::activeModalWidget, std::move(action));
}

inline void WhenPopUpShown(std::function<void(QWidget*)> action) {
  WhenShown(&QApplication::activePopupWidget, std::move(action));
}

}  // namespace brolt::testing
