// The editor program run from a folder whose database can't be used: it names the file on standard
// error and ends with status 1, without waiting for anyone.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include "common/test_database.h"
#include "support/temp_folder.h"

namespace brolt {
namespace {

// The status the copied program ended with, and what it wrote on standard error.
std::pair<int, std::string> RunEditorIn(const std::filesystem::path& folder) {
  const std::filesystem::path editor = folder / "brolt-editor";
  std::filesystem::copy_file(BROLT_TEST_EDITOR, editor);
  const std::string command =
      "cd / && QT_QPA_PLATFORM=offscreen BROLT_NO_DIALOGS=1 '" + editor.string() + "' 2>&1 >/dev/null";
  std::string errors;
  FILE* pipe = popen(command.c_str(), "r");
  std::array<char, 256> buffer{};
  while (pipe && fgets(buffer.data(), buffer.size(), pipe)) errors += buffer.data();
  const int status = pipe ? pclose(pipe) : -1;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, errors};
}

TEST(EditorStartupFailure, AnUnusableDatabaseIsNamedAndTheEditorEndsWithStatusOne) {
  struct Case {
    const char* name;
    const char* tables;  // nullptr: no database at all
  };
  const Case cases[] = {
      {"missing", nullptr},
      {"no settings table of the game", "CREATE TABLE Tileset (Type);"},
      {"no tiles",
       "CREATE TABLE KARVEL (Variable, Value); CREATE TABLE Settings (Variable, Value);"
       "CREATE TABLE Tileset (Type, \"Desc\", \"Unique\", Rotate, X, Y, Mini, Explosive);"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TempFolder folder;
    if (c.tables != nullptr) testing::RawDatabase(folder / "Define.qdm").Execute(c.tables);
    const auto [status, errors] = RunEditorIn(folder.path());
    EXPECT_EQ(status, 1);
    EXPECT_NE(errors.find((folder / "Define.qdm").string()), std::string::npos) << errors;
  }
}

}  // namespace
}  // namespace brolt
