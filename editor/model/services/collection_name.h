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

// The characters a file name shows, the one reading of names wherever one is shown. The file
// system's names are UTF-8, but other programs, and earlier versions of this one, wrote single-byte
// names: a byte that begins no well-formed UTF-8 sequence (cut short, overlong, a surrogate or past
// U+10FFFF) stands for its Latin-1 letter. Two names may read alike, so a name is only ever shown
// this way, never found again from what it shows.
std::u32string DecodeFileName(std::string_view name);

// A file name as the single-byte text of a message: a character that text can't hold becomes '?'.
std::string FileNameAsText(std::string_view name);

}  // namespace brolt::editor
