#include "editor/ui/pending_widgets.h"

namespace brolt::editor {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent) {}

}  // namespace brolt::editor
