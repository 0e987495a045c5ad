#pragma once
// Preview play and game launch: the game started beside the editor, on the level being edited
// written as "previewplay.tmp", or for normal play.
#include <optional>

#include "common/level_record.h"
#include "editor/model/editor.h"

namespace brolt::editor {

// The level as the preview plays it. With the start marker placed, the Thresher stands on the
// marker's cell and every other Thresher of the map is left out; the map itself is untouched.
// Nothing when the level has neither a Thresher nor a placed marker.
std::optional<LevelRecord> BuildPreviewLevel(const Editor& editor);

// Writes "previewplay.tmp" and starts the game on it, or says why it can't.
void PreviewLevel(Editor& editor);

// Starts the game for normal play.
void LaunchGame(Editor& editor);

}  // namespace brolt::editor
