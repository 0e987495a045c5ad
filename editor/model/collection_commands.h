#pragma once
// Creating, renaming and deleting collection files in the levels folder. Outside developer mode a
// name always ends in exactly one ".lvl"; in developer mode it is taken as typed, ".lvl" or ".clvl",
// and renaming converts between compiled and uncompiled collections.
#include <optional>
#include <string>
#include <string_view>

#include "editor/model/editor.h"

namespace brolt::editor {

// The name a collection gets from what the designer typed, or nothing when it can't be a collection
// file: a path separator or control character, a name part of dots only, another extension.
std::optional<std::string> CollectionFileName(std::string_view typed, bool developerMode);

// Asks for a name and creates the collection with an empty first record; the new name, or "" when
// nothing was created. A name in use in any letter case, listed or not, is refused.
std::string NewCollectionFile(Editor& editor);

// Asks for a new name and moves the collection to it; the new name, or "" when nothing changed.
// The old file goes only once the new one is complete.
std::string RenameCollectionFile(Editor& editor, const std::string& file);

// Asks, then deletes the collection: "ok" when it was deleted, "" otherwise.
std::string DeleteCollectionFile(Editor& editor, const std::string& file);

// True, after saying so, while the editor holds a titled level of this very collection (the name
// compared exactly), which level management may then not change.
bool CheckCollectionInEditor(Editor& editor, std::string_view file);

}  // namespace brolt::editor
