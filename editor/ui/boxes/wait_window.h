#pragma once
// frmWait: the progress box, a bar over a black track with the percentage written across both.
#include <QDialog>

class QLabel;

namespace brolt::editor {

struct Editor;

class WaitWindow : public QDialog {
  Q_OBJECT

 public:
  explicit WaitWindow(Editor& editor, QWidget* parent = nullptr);

  // Grows the bar to `percent` of the track (clamped to 0..100) and writes the figure.
  void SetProgress(int percent);

  QWidget* Bar() const { return bar_; }
  QLabel* TrackFigure() const { return trackFigure_; }

 private:
  QWidget* track_;
  QWidget* bar_;
  QLabel* trackFigure_;
  QLabel* barFigure_;
};

}  // namespace brolt::editor
