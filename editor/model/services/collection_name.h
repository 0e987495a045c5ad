#pragma once
// Which names a collection file may have. The editor creates, renames and writes these files inside
// the Levels folder, so a name must stay a plain file name there on any system.
#include <string>
#include <string_view>

namespace brolt::editor {

// A character that may stand in a file name: no control character, no path separator and none of
// the characters that file systems reserve (< > : " | ? *).
bool IsFileNameCharacter(int character);

// The name without a ".lvl" or ".clvl" extension in any letter case.
std::string_view CollectionNamePart(std::string_view name);

// A file name, which is the file system's UTF-8, as the single-byte text of a message: a character
// that text can't hold becomes '?', and a byte that is no UTF-8 stays as it is.
std::string FileNameAsText(std::string_view name);

}  // namespace brolt::editor
