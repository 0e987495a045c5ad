#pragma once
// The developers' way into the definitions database: the separate program tabwright, started on
// the database the editor has open.
#include <filesystem>

#include "editor/model/editor.h"

namespace brolt::editor {

// tabwright beside the editor when it is there; otherwise the bare name, found on the PATH.
std::filesystem::path DefinitionsEditorProgram(const Editor& editor);

// Starts tabwright with the database's full path as its one argument, without waiting for it; a
// failed start is reported.
void EditDefinitions(Editor& editor);

}  // namespace brolt::editor
