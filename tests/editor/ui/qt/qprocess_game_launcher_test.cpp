#include "editor/ui/qt/qprocess_game_launcher.h"

#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

// A stand-in game that writes where it runs, its arguments and two variables of its environment.
std::filesystem::path WriteReportingProgram(const std::filesystem::path& folder) {
  const std::filesystem::path program = folder / "game";
  std::ofstream(program) << "#!/bin/sh\n"
                            "{ pwd; for a in \"$@\"; do echo \"$a\"; done; echo \"$BROLT_A\"; echo \"${BROLT_B-unset}\"; }"
                            " > report.part && mv report.part report.txt\n";
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  return program;
}

TEST(QProcessGameLauncher, StartsTheProgramInItsOwnFolderWithItsArgumentsAndTheAddedVariables) {
  testing::TempFolder folder;
  std::filesystem::create_directory(folder / "Game");
  const std::filesystem::path program = WriteReportingProgram(folder / "Game");
  QProcessGameLauncher launcher;
  EXPECT_EQ(launcher.StartProgram(program, {"-level", "two words"}, {"BROLT_A=x=y", "BROLT_B"}), "");
  const std::filesystem::path report = folder / "Game" / "report.txt";
  ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(report); }, 10000));
  std::ostringstream lines;
  lines << std::ifstream(report).rdbuf();
  // The value runs from the first "=" on; a name alone sets an empty value.
  EXPECT_EQ(lines.str(), (folder / "Game").string() + "\n-level\ntwo words\nx=y\n\n");
}

TEST(QProcessGameLauncher, AProgramThatCantStartGivesTheReason) {
  testing::TempFolder folder;
  QProcessGameLauncher launcher;
  EXPECT_NE(launcher.StartProgram(folder / "missing", {}, {}), "");
}

}  // namespace
}  // namespace brolt::editor
