#pragma once
// Opening level management, and the dialog's rules that need no widget: which collection it starts
// on, the holder guard, and copying a collection file.
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/commands/collection_lists.h"
#include "editor/model/editor.h"

namespace brolt::editor {

// Closes the level being edited, with the designer's consent, and shows level management on
// `collectionFile` (may be empty), as ManageKeepingLevelOpen does.
void OpenLevelManagement(Editor& editor, std::string_view collectionFile);

// Shows level management with the level being edited left as it is, neither closed nor saved, as
// the save dialog needs it. Afterwards the level keeps its slot only while the slot still holds it,
// under the title management may have given it; after any other change the level has no slot and
// is unsaved, so that its next save asks where it goes.
void ManageKeepingLevelOpen(Editor& editor, std::string_view collectionFile);

// The position in `list` of the collection the dialog manages when it opens: in developer mode
// the one asked for (or the editor's current file), otherwise the list's own choice; -1 for none.
int InitialManagedCollection(const Editor& editor, std::string_view requested, const CollectionFileList& list);

// Why the holder guard runs: the dialog is closing, or another collection is being chosen.
enum class HolderGuard { Closing, ChoosingCollection };

// True, after its message, while the level list shows a holder space: a collection left so would
// make the game play a "[HOLDER]" level.
bool GuardHolderSpaces(Editor& editor, const std::vector<std::string>& levelEntries, HolderGuard guard);

// Copies the collection `file` to "Copy of " & file, asking before an existing copy is replaced.
// Returns the copy's name, or "" when nothing was copied.
std::string CopyCollectionFile(Editor& editor, std::string_view file);

}  // namespace brolt::editor
