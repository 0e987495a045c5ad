#include "editor/model/services/definitions_editor.h"

#include <system_error>

#include "editor/model/commands/error_report.h"
#include "editor/model/services/program_folder.h"

namespace brolt::editor {

namespace {
constexpr const char* kDefinitionsEditor = "tabwright";

std::filesystem::path OpenDatabasePath(const Editor& editor) {
  const std::filesystem::path file = editor.DefineDb ? editor.DefineDb->File() : DefinitionsFile(editor);
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(file, error);
  return error ? file : absolute;
}
}  // namespace

std::filesystem::path DefinitionsEditorProgram(const Editor& editor) {
  const std::filesystem::path beside = editor.AppPath / kDefinitionsEditor;
  std::error_code error;
  return std::filesystem::is_regular_file(beside, error) ? beside : std::filesystem::path(kDefinitionsEditor);
}

void EditDefinitions(Editor& editor) {
  const std::string failure = editor.ui.launcher->StartProgram(DefinitionsEditorProgram(editor),
                                                               {OpenDatabasePath(editor).string()}, {});
  if (!failure.empty()) ShowErrorMessage(editor, failure, "Cannot start the definitions editor tabwright.");
}

}  // namespace brolt::editor
