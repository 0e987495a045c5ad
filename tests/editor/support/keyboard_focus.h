#pragma once
// The keyboard as the designer uses it in a box or dialog: Tab walks the controls until the wanted
// one has the keys, and each key goes to the control that has them.
#include <QTest>
#include <QWidget>

namespace brolt::testing {

// The control of `window` that has the keys; the window itself while none has.
inline QWidget* KeysOf(QWidget& window) { return window.focusWidget() != nullptr ? window.focusWidget() : &window; }

inline void PressKey(QWidget& window, Qt::Key key) { QTest::keyClick(KeysOf(window), key); }

// Tab until `target` has the keys; false when a whole round of the controls never reached it.
inline bool TabTo(QWidget& window, const QWidget* target) {
  for (int tabs = 0; tabs < 40 && KeysOf(window) != target; ++tabs) PressKey(window, Qt::Key_Tab);
  return KeysOf(window) == target;
}

}  // namespace brolt::testing
