#include "editor/program/editor_program.h"

#include <QApplication>
#include <QMainWindow>

namespace brolt::editor {

int RunEditor(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Brolt Editor");
  window.resize(632, 532);
  window.show();
  return QApplication::exec();
}

}  // namespace brolt::editor
