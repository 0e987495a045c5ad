#pragma once
// An editor whose program folder is a fresh temporary folder with an empty Levels folder, scripted
// message boxes and a launcher that records the programs it was asked to start.
#include <filesystem>
#include <string>
#include <vector>

#include "common/collection_file.h"
#include "common/level_record.h"
#include "editor/model/editor.h"
#include "editor/support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace brolt::testing {

class RecordingLauncher : public editor::GameLauncher {
 public:
  struct Start {
    std::filesystem::path program;
    std::vector<std::string> arguments;
  };
  std::vector<Start> starts;
  std::string failure;  // what StartProgram answers

  std::string StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& /*environment*/) override {
    starts.push_back({program, arguments});
    return failure;
  }
};

// A whole level record with this title and one tile at the top left, so that levels differ.
inline std::string LevelText(const std::string& title, int tile = 45) {
  LevelRecord level;
  level.title = title;
  level.Cell(0, 0).tileCode = tile;
  return EncodeLevelRecord(level);
}

struct LevelsFolderEditor {
  TempFolder folder;
  ScriptedDialogs dialogs;
  RecordingLauncher launcher;
  editor::Editor editor;

  LevelsFolderEditor() {
    std::filesystem::create_directories(levels());
    editor.AppPath = folder.path();
    editor.ui.dialogs = &dialogs;
    editor.ui.launcher = &launcher;
  }

  std::filesystem::path levels() const { return folder.path() / "Levels"; }
  std::filesystem::path file(const std::string& name) const { return levels() / name; }

  // A collection of levels titled by `titles` (a title "" writes an empty record).
  void WriteLevels(const std::string& name, const std::vector<std::string>& titles) const {
    std::vector<std::string> records;
    for (const auto& title : titles) records.push_back(title.empty() ? std::string() : LevelText(title));
    WriteCollection(file(name), records);
  }
  void WriteRecords(const std::string& name, const std::vector<std::string>& records) const {
    WriteCollection(file(name), records);
  }
  // The titles of a collection's records up to its first empty one ("[holder]" kept as it stands).
  std::vector<std::string> Titles(const std::string& name) const {
    std::vector<std::string> titles;
    for (long slot = 1;; ++slot) {
      std::string record = ReadSlot(file(name), slot);
      if (record.empty()) return titles;
      std::string title = record.substr(0, 30);
      titles.push_back(title.substr(0, title.find_last_not_of(' ') + 1));
    }
  }
};

}  // namespace brolt::testing
