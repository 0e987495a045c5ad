#pragma once
// Windows of the start-up whose owners are building them now, under their final names. Each is an
// empty stand-in that is completed later by its owner; the entry goes when the owner's work lands.
#include <QWidget>

#include "editor/model/splash_progress.h"

namespace brolt::editor {

// The splash and about window: shows the start-up's progress bar and status line.
class SplashWindow : public QWidget, public SplashDisplay {
 public:
  explicit SplashWindow(QWidget* parent = nullptr);
};

}  // namespace brolt::editor
