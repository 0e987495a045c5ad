#pragma once
// Translucent windows: a window made layered can be drawn at any opacity, and the dialogs fade in
// by raising it one step per timer tick.
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace brolt::editor {

// Lets SetWindowAlpha change the window's opacity from now on. A null window is ignored.
void MakeWindowLayered(QWidget* window);

// Draws a layered window at opacity alpha / 255 (0 transparent, 255 opaque; values beyond are
// clamped). A window that was never made layered, or a null one, is left as it is.
void SetWindowAlpha(QWidget* window, int alpha);

// Fades a window in: makes it layered at `firstAlpha`, then raises the opacity by `step` on each
// tick while it stays below 255, and ends at `finalAlpha`. The fade belongs to the window and ends
// with it.
class WindowFade : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTickMilliseconds = 10;

  explicit WindowFade(QWidget* window);
  void Start(int firstAlpha, int step, int finalAlpha);
  bool IsRunning() const { return timer_.isActive(); }

 signals:
  void Finished();

 private:
  void Step();

  QWidget* window_;
  QTimer timer_;
  int alpha_ = 0;
  int step_ = 1;
  int finalAlpha_ = 255;
};

}  // namespace brolt::editor
