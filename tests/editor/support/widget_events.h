#pragma once
// Mouse presses and pictures of widgets for the widget tests, which run without a display.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <string>

namespace brolt::testing {

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint position, Qt::MouseButton button,
                      Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(position), widget->mapToGlobal(QPointF(position)), button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

inline void Press(QWidget* widget, QPoint position, Qt::MouseButton button = Qt::LeftButton) {
  SendMouse(widget, QEvent::MouseButtonPress, position, button, button);
}

inline void Release(QWidget* widget, QPoint position, Qt::MouseButton button = Qt::LeftButton) {
  SendMouse(widget, QEvent::MouseButtonRelease, position, button, Qt::NoButton);
}

inline void Click(QWidget* widget, QPoint position, Qt::MouseButton button = Qt::LeftButton) {
  Press(widget, position, button);
  Release(widget, position, button);
}

// A double click as the platform delivers it: a click, then the second press as a double click and
// its release.
inline void DoubleClick(QWidget* widget, QPoint position) {
  Click(widget, position);
  SendMouse(widget, QEvent::MouseButtonDblClick, position, Qt::LeftButton, Qt::LeftButton);
  Release(widget, position);
}

// Saves a picture as a PNG in the build's screenshot folder, to be looked at; true when written.
inline bool SavePicture(const QImage& picture, const std::string& name) {
  QDir().mkpath(BROLT_TEST_SHOTS_DIR);
  return picture.save(QString(BROLT_TEST_SHOTS_DIR) + "/" + QString::fromStdString(name) + ".png");
}

// Saves what the widget shows.
inline bool SaveScreenshot(QWidget& widget, const std::string& name) { return SavePicture(widget.grab().toImage(), name); }

}  // namespace brolt::testing
