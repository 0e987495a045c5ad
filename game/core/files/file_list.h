#pragma once
// A sorted list of the files of one folder that match a set of extensions, with a selection: the
// collection list (LevelList) and the music list (MusicList) of the game's window.
#include <filesystem>
#include <string>
#include <vector>

namespace brolt {

struct FileList {
  std::filesystem::path Folder;
  // Lower-case extensions with their dot (".lvl"); empty matches every file.
  std::vector<std::string> Extensions;
  // File names without folder, sorted by name without regard to letter case.
  std::vector<std::string> Names;
  // Index into Names, -1 when nothing is selected.
  int Selected = -1;

  // Points the list at a folder and reads it; the selection moves to the first file, if any.
  void Open(const std::filesystem::path& folder, std::vector<std::string> extensions);
  // Reads the folder again, keeping the selected name where it still exists.
  void Refresh();
  // The selected file name, or "" when there is none.
  std::string SelectedName() const;
  // Selects a file by name (any letter case); returns false and keeps the selection if absent.
  bool Select(const std::string& name);
};

}  // namespace brolt
