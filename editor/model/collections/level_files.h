#pragma once
// Where the editor's collection files live and which names count as collections. The file system is
// case-sensitive, the designer's names are not: extensions match and names compare in any case, yet
// where two files differ only in case the one of the exact name is the one meant.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {

// The collections folder: the program folder and the preference "levelspath".
std::filesystem::path LevelsFolder(const Editor& editor);
std::filesystem::path CollectionPath(const Editor& editor, std::string_view file);

// The Levels folder beside the editor: the one the game reads its collections from, whatever
// "levelspath" says, and where "previewplay.tmp" goes for it.
std::filesystem::path GameLevelsFolder(const Editor& editor);
std::filesystem::path PreviewFilePath(const Editor& editor);

bool SameFileName(std::string_view a, std::string_view b);

// Where a collection is among `names`: the name spelled exactly so, or else the first one that
// differs only in case (a name typed in other capitals); -1 for none. On a case-sensitive file
// system two collections can differ only in case, and the one chosen is the one acted on.
int FindCollectionName(const std::vector<std::string>& names, std::string_view name);
bool HasExtension(std::string_view name, std::string_view extension);  // extension with its dot

// ".lvl" always, ".clvl" only in developer mode.
bool MatchesCollectionPattern(std::string_view name, bool developerMode);

// The regular files of the collections folder that match the pattern, sorted without regard to case.
std::vector<std::string> CollectionFilesInFolder(const Editor& editor);

// The name of a file in the folder, other than `except` itself, that equals `name` without regard to
// case, or "" when none does.
std::string FindFileIgnoringCase(const Editor& editor, std::string_view name, std::string_view except = {});

}  // namespace brolt::editor
