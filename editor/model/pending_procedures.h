#pragma once
// Procedures whose owners are building them now, under their final names and signatures. Each
// body here is empty, or as small as its callers need; the entry goes when the owner's work lands.
#include <string>

#include "editor/model/editor.h"

namespace brolt::editor {

// Opens level management on a collection (may be empty).
void OpenLevelManagement(Editor& editor, std::string& collectionFile);

}  // namespace brolt::editor
