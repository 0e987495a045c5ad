#pragma once
// The splash window of the start-up, with its loading line and progress bar, and the same window
// as the about box over the help topic "about". A click closes it once the main window stands.
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <functional>
#include <vector>

#include "editor/model/editor.h"
#include "editor/ui/boxes/layered_window.h"

namespace brolt::editor {

class SplashWindow : public QDialog {
 public:
  static constexpr QSize kSize{476, 267};
  static constexpr int kProgressSteps = 5;
  static constexpr int kFullBarWidth = 441;
  // The fade-in's first opacity and step; it ends at the last step below 255.
  static constexpr int kFirstAlpha = 1;
  static constexpr int kAlphaStep = 7;
  static constexpr int kFinalAlpha = 253;

  // mainWindowVisible tells whether the main window is shown yet: until then a click is ignored.
  SplashWindow(Editor& editor, std::function<bool()> mainWindowVisible, QWidget* parent = nullptr);

  // One more loading stage begins: the bar grows by a fifth of its full width.
  void UpdateSplashProgress();
  void SetLoadingText(const QString& text);
  // Turns the window into the about box: no progress bar and no web line, the about text shown.
  void MakeAboutBox();
  // Closes the window, but only once the main window is visible.
  void HideSplash();
  // The hourglass while the main window is not visible, the arrow once it is.
  void SetPointer();

  int ProgressWidth() const;
  int ProgressSteps() const { return steps_; }
  bool IsAboutBox() const { return aboutBox_; }
  QLabel* LoadingLabel() const { return loading_; }
  QLabel* AboutLabel() const { return about_; }
  QLabel* PlatformLabel() const { return platform_; }
  QLabel* VersionLabel() const { return version_; }
  QLabel* WebLabel() const { return web_; }
  QLabel* CopyrightLabel() const { return copyright_; }
  const std::vector<QLabel*>& Labels() const { return labels_; }

  // The name of the platform the editor runs on, as the platform label shows it.
  static QString PlatformName();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* AddLabel(const QString& text, const QRect& area, Qt::Alignment alignment, const QColor& colour);

  Editor& editor_;
  std::function<bool()> mainWindowVisible_;
  QImage background_;
  WindowFade fade_;
  int steps_ = 0;
  bool aboutBox_ = false;
  std::vector<QLabel*> labels_;
  QLabel* loading_;
  QLabel* about_;
  QLabel* platform_;
  QLabel* version_;
  QLabel* web_;
  QLabel* copyright_;
};

}  // namespace brolt::editor
