#include "editor/program/editor_program.h"

#include <QApplication>
#include <exception>

#include "editor/program/app_path.h"
#include "editor/program/editor_startup.h"
#include "editor/program/startup_failure.h"

namespace brolt::editor {

int RunEditor(int argc, char** argv) {
  QApplication application(argc, argv);
  EditorProgram program;
  program.editor.AppPath = AppPath();
  try {
    Main(program);
  } catch (const std::exception& failure) {
    return ReportStartupFailure(failure.what());
  }
  return QApplication::exec();
}

}  // namespace brolt::editor
