#include "editor/ui/qt/qprocess_game_launcher.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

std::string QProcessGameLauncher::StartProgram(const std::filesystem::path& program,
                                               const std::vector<std::string>& arguments,
                                               const std::vector<std::string>& environment) {
  QProcess process;
  process.setProgram(QString::fromStdString(program.string()));
  QStringList list;
  for (const std::string& argument : arguments) list << ToQString(argument);
  process.setArguments(list);
  // The game finds its folders beside itself; starting it there keeps relative paths sound too.
  process.setWorkingDirectory(QString::fromStdString(program.parent_path().string()));
  QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
  for (const std::string& entry : environment) {
    const std::size_t equals = entry.find('=');
    variables.insert(ToQString(entry.substr(0, equals)),
                     equals == std::string::npos ? QString() : ToQString(entry.substr(equals + 1)));
  }
  process.setProcessEnvironment(variables);
  if (process.startDetached()) return {};
  return FromQString(process.errorString());
}

}  // namespace brolt::editor
