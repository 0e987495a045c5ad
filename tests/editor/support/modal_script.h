#pragma once
// Acts on the modal window a call is about to show: the action runs from the event loop once the
// window is up, so that a test can press its keys and buttons while the call waits for an answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace brolt::testing {

inline void WhenModalShown(std::function<void(QWidget*)> action, int triesLeft = 200) {
  QTimer::singleShot(triesLeft == 200 ? 0 : 10, [action = std::move(action), triesLeft]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible()) {
      action(modal);
    } else if (triesLeft > 0) {
      WhenModalShown(std::move(action), triesLeft - 1);
    } else {
      ADD_FAILURE() << "no modal window came up";
    }
  });
}

}  // namespace brolt::testing
