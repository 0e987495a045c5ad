#include "editor/model/program_folder.h"

#include "common/database.h"

namespace brolt::editor {

std::filesystem::path DefinitionsFile(const Editor& editor) { return editor.AppPath / kDefinitionsFileName; }

std::filesystem::path LevelsFolder(const Editor& editor) {
  // LevelsPath is a fragment that carries its own separators, so it is appended as text.
  return std::filesystem::path(editor.AppPath.string() + editor.prefs.LevelsPath);
}

std::filesystem::path LevelFilePath(const Editor& editor, std::string_view fileName) {
  return LevelsFolder(editor) / fileName;
}

}  // namespace brolt::editor
