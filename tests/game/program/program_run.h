#pragma once
// The game program run whole, headless, on a copy of the program folder: the fixture the program
// tests share.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/wait.h>

#include "common/database.h"
#include "common/file_io.h"
#include "support/mounted_folder.h"
#include "support/temp_folder.h"

namespace brolt {

struct RunResult {
  int status = -1;
  std::string output;
  // What the game said on standard error, where its messages go in a test run.
  std::string errors;
};

inline int Occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

class ProgramRunTest : public ::testing::Test {
 protected:
  ProgramRunTest() {
    std::filesystem::copy(BROLT_TEST_DIST_DIR, folder.path(), std::filesystem::copy_options::recursive);
  }

  // The game of the program folder in use, run as a test runs it; its messages go to errors.txt of
  // the test's own folder, which stays writable when the program folder is not.
  std::string Command(const std::string& environment, const std::string& arguments = "") {
    return "cd '" + program.string() +
           "' && exec env SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy BROLT_NO_DIALOGS=1 "
           "BROLT_FIXED_FRAME_MS=16 BROLT_SEED=7 " +
           environment + " ./brolt " + arguments + " 2>'" + (folder / "errors.txt").string() + "'";
  }

  RunResult Run(const std::string& environment, const std::string& arguments = "") {
    const std::string command = Command(environment, arguments);
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 256> buffer{};
    while (pipe && fgets(buffer.data(), buffer.size(), pipe)) result.output += buffer.data();
    const int status = pipe ? pclose(pipe) : -1;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.errors = ReadWholeFile(folder / "errors.txt").value_or("");
    return result;
  }

  std::string Setting(const std::string& key) {
    Database database(folder / "Define.qdm");
    RowSet rows(database, "KARVEL");
    for (int row = 0; row < rows.Count(); ++row) {
      rows.SetPosition(row);
      if (rows.Field("Variable").value_or("") == key) return rows.Field("Value").value_or("");
    }
    return "<missing>";
  }

  void SetSetting(const std::string& key, const std::string& value) {
    Database database(folder / "Define.qdm");
    RowSet rows(database, "KARVEL");
    for (int row = 0; row < rows.Count(); ++row) {
      rows.SetPosition(row);
      if (rows.Field("Variable").value_or("") == key) rows.UpdateField("Value", value);
    }
  }

  // Copies the program folder, without the editor, onto a memory file system that is then filled
  // up, and runs the game from there. Returns why not, when mounting is not allowed.
  std::string UseFullDisk(testing::MountedFolder& disk) {
    std::string refused = disk.MountMemory(40);
    if (!refused.empty()) return refused;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
      if (entry.path().filename() != "brolt-editor")
        std::filesystem::copy(entry.path(), disk.path() / entry.path().filename(),
                              std::filesystem::copy_options::recursive);
    disk.FillUp();
    program = disk.path();
    return {};
  }

  // Runs the game from a read-only view of the test's folder. Returns why not, when mounting is not
  // allowed.
  std::string UseReadOnlyView(testing::MountedFolder& view) {
    std::string refused = view.MountReadOnlyView(folder.path());
    if (refused.empty()) program = view.path();
    return refused;
  }

  testing::TempFolder folder;
  // Where the game runs from: the test's folder, or a mount of it.
  std::filesystem::path program = folder.path();
};

}  // namespace brolt
