#pragma once
// The program folder: the folder of the editor's own executable, whatever the working folder is.
#include <filesystem>

namespace brolt::editor {

// Needs the application object.
std::filesystem::path AppPath();

}  // namespace brolt::editor
