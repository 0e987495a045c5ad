// The editor program run from a folder whose database can't be used: it names the file, in a box or
// on standard error, and ends with status 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QMessageBox>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "common/test_database.h"
#include "editor/program/startup_failure.h"
#include "editor/support/closing_dialogs.h"
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

// In the running editor the reason comes in a box over the desktop; only automation switches the
// box off for standard error. Either way the editor ends with status 1.
TEST(ReportStartupFailure, ShowsTheReasonInABoxUnlessAutomationSwitchesBoxesOff) {
  struct Case {
    const char* switchedOff;  // BROLT_NO_DIALOGS; nullptr: not set
    const char* box;
    const char* written;
  };
  const std::string kept = std::getenv("BROLT_NO_DIALOGS") ? std::getenv("BROLT_NO_DIALOGS") : "";
  for (const Case& c : {Case{nullptr, "Brolt Editor: Define.qdm is missing.\n\nThe editor can't start without it.", ""},
                        Case{"0", "Brolt Editor: Define.qdm is missing.\n\nThe editor can't start without it.", ""},
                        Case{"1", "", "brolt-editor: Define.qdm is missing\n"}}) {
    SCOPED_TRACE(c.switchedOff ? c.switchedOff : "not set");
    c.switchedOff ? setenv("BROLT_NO_DIALOGS", c.switchedOff, 1) : unsetenv("BROLT_NO_DIALOGS");
    testing::ClosingDialogs<QMessageBox> boxes(
        [](QMessageBox& box) { return (box.windowTitle() + ": " + box.text()).toStdString(); });
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(editor::ReportStartupFailure("Define.qdm is missing"), 1);
    // The platform may add lines of its own.
    const std::string errors = ::testing::internal::GetCapturedStderr();
    const std::size_t ours = errors.find("brolt-editor: ");
    EXPECT_EQ(ours == std::string::npos ? "" : errors.substr(ours, errors.find('\n', ours) + 1 - ours), c.written);
    EXPECT_EQ(boxes.noted, c.box[0] ? std::vector<std::string>{c.box} : std::vector<std::string>{});
  }
  kept.empty() ? unsetenv("BROLT_NO_DIALOGS") : setenv("BROLT_NO_DIALOGS", kept.c_str(), 1);
}

}  // namespace
}  // namespace brolt
