#pragma once
// Where the editor's files live: everything is found from the program folder AppPath, the folder of
// the editor's own executable.
#include <filesystem>

#include "editor/model/editor.h"

namespace brolt::editor {

// The definitions database Define.qdm in the program folder.
std::filesystem::path DefinitionsFile(const Editor& editor);

}  // namespace brolt::editor
