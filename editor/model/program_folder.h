#pragma once
// Where the editor's files live: everything is found from the program folder AppPath, the folder of
// the editor's own executable.
#include <filesystem>
#include <string_view>

#include "editor/model/editor.h"

namespace brolt::editor {

// The definitions database Define.qdm in the program folder.
std::filesystem::path DefinitionsFile(const Editor& editor);

// The folder of the level collections: AppPath followed by the preference LevelsPath ("/Levels/").
std::filesystem::path LevelsFolder(const Editor& editor);

// A collection file (or "previewplay.tmp") inside the levels folder.
std::filesystem::path LevelFilePath(const Editor& editor, std::string_view fileName);

}  // namespace brolt::editor
