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

// Asks, then deletes the collection: "ok" when it was deleted, "" otherwise. Anything but a collection
// file of the levels folder is refused.
std::string DeleteCollectionFile(Editor& editor, const std::string& file);

// True, after saying so, while the editor holds a level saved in this collection (the name in any
// letter case), which level management may then not change in place, rename or delete.
bool CheckCollectionInEditor(Editor& editor, std::string_view file);

// True, after "File already exists.", when a file other than `allowed` has this name in any letter
// case: on a designer's system that file would be replaced.
bool RefuseNameInUse(Editor& editor, const std::string& name, std::string_view allowed);

}  // namespace brolt::editor
