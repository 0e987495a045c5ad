#pragma once
// The one place that decides which collections the editor offers, and the main window's level
// roll-down list of the current collection.
#include <string>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {

struct CollectionFileList {
  std::vector<std::string> Files;
  int Selected = -1;
  std::string SelectedFile() const;
};

// The collections of the levels folder: compiled ones (a ".clvl" name, or the marker in record 1)
// only in developer mode; files that can't be read are left out. Selects LevelFile (its exact name,
// else in any case) or the first. With no collection at all: showHelp opens "gettingstarted"; quiet
// gives the empty list; otherwise offers to create one, which becomes LevelFile.
CollectionFileList ListCollectionFiles(Editor& editor, bool quiet, bool showHelp);

// Refills the roll-down list with the levels of LevelFile (found as the list finds it), the current
// level chosen, and unless fillOnly drops it down. Passes over an unreadable collection with an
// empty list.
void ShowLevelDropDown(Editor& editor, bool fillOnly);

// The main window's title, "(n of m)" and file captions, from the collection as it is on disk now;
// nothing changes while the collection holds no level.
void UpdateLevelCaption(Editor& editor);

}  // namespace brolt::editor
