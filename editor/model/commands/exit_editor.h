#pragma once
// How the editor ends, and the clean-up at its start: collections that never received a level go.
#include "editor/model/editor.h"

namespace brolt::editor {

// Offers to save, removes the preview file, saves the preferences, closes the database and ends the
// program through the window. Returns without ending only when the designer cancels or the save fails.
void ExitEditor(Editor& editor);

// Deletes the listed collections that hold no level in any slot; files it can't read stay.
void PurgeEmptyCollectionFiles(Editor& editor);

}  // namespace brolt::editor
