#include "editor/model/services/program_folder.h"

#include "common/database.h"

namespace brolt::editor {

std::filesystem::path DefinitionsFile(const Editor& editor) { return editor.AppPath / kDefinitionsFileName; }

}  // namespace brolt::editor
