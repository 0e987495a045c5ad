#include "editor/program/editor_program.h"

#include <QApplication>
#include <chrono>
#include <exception>

#include "editor/model/commands/error_report.h"
#include "editor/program/app_path.h"
#include "editor/program/editor_startup.h"
#include "editor/program/startup_failure.h"
#include "editor/ui/qt/design_font.h"

namespace brolt::editor {

int RunEditor(int argc, char** argv) {
  QApplication application(argc, argv);
  UseDesignFont();
  EditorProgram program(AppPath());
  // The editor's one random source, seeded once per run.
  program.editor.random.Seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  try {
    Main(program);
  } catch (const std::exception& failure) {
    return ReportStartupFailure(FailureText(failure));
  }
  return QApplication::exec();
}

}  // namespace brolt::editor
