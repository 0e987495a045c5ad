// What the player is told as the game starts, run whole on a copy of the program folder: each
// start-up step that fails, and the questions with their answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <sqlite3.h>

#include "program_run.h"

namespace brolt {
namespace {

// The game's questions and messages as a test run writes them to standard error.
std::string Told(const std::string& text) { return "Brenwick Brolt: " + text + "\n"; }

const std::string kFullScreenNo = Told("Run in Fullscreen? (No)");

TEST_F(ProgramRunTest, EachStartUpStepThatFailsIsToldAndEndsOrPlaysOn) {
  struct Case {
    const char* name;
    // Breaks the program folder; returns the environment and the command line of the run.
    std::function<std::pair<std::string, std::string>(const std::filesystem::path& folder)> prepare;
    int status;
    // Everything the game writes to standard error, after the full-screen question.
    std::function<std::string(const std::filesystem::path& folder)> told;
  };
  const auto database = [](const std::filesystem::path& folder) { return (folder / "Define.qdm").string(); };
  const auto dropSettings = [](const std::filesystem::path& folder) {
    Database opened(folder / "Define.qdm");
    sqlite3_exec(opened.Handle(), "DROP TABLE KARVEL", nullptr, nullptr, nullptr);
  };
  const Case kCases[] = {
      {"a normal start says nothing", [](auto&) { return std::pair<std::string, std::string>(); }, 0,
       [](auto&) { return std::string(); }},
      {"no database",
       [](auto& folder) {
         std::filesystem::remove(folder / "Define.qdm");
         return std::pair<std::string, std::string>();
       },
       1, [&](auto& folder) { return Told("Can't open the definitions database '" + database(folder) + "': unable to open database file"); }},
      {"a file that is no database",
       [](auto& folder) {
         std::ofstream(folder / "Define.qdm", std::ios::trunc) << "not a database";
         return std::pair<std::string, std::string>();
       },
       1, [&](auto& folder) { return Told("Can't open the definitions database '" + database(folder) + "': file is not a database"); }},
      {"a database without settings",
       [&](auto& folder) {
         dropSettings(folder);
         return std::pair<std::string, std::string>();
       },
       1, [&](auto& folder) { return Told("Can't read table 'KARVEL' of '" + database(folder) + "': no such table: KARVEL"); }},
      {"no collections",
       [](auto& folder) {
         for (const auto& entry : std::filesystem::directory_iterator(folder / "Levels")) std::filesystem::remove_all(entry);
         return std::pair<std::string, std::string>();
       },
       1, [](auto&) { return Told("No level collections were found. Please re-install Brenwick Brolt."); }},
      {"a collection to preview that isn't there",
       [](auto&) { return std::pair<std::string, std::string>("", "Missing.lvl"); }, 1,
       [](auto&) { return Told("The level collection 'Missing.lvl' can't be read."); }},
      {"no video",
       [](auto&) { return std::pair<std::string, std::string>("SDL_VIDEODRIVER=nonexistent", ""); }, 1,
       [](auto&) { return Told("Could not initialize the graphics (OpenGL 3.3): nonexistent not available"); }},
      {"the pack is missing",
       [](auto& folder) {
         std::filesystem::remove(folder / "Brolt.pak");
         return std::pair<std::string, std::string>();
       },
       1, [](auto& folder) { return Told("Can't find '" + (folder / "Brolt.pak").string() + "', use another pack file"); }},
      {"no sound", [](auto&) { return std::pair<std::string, std::string>("SDL_AUDIODRIVER=nonexistent", ""); }, 0,
       [](auto&) { return Told("Direct Sound Failed"); }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    testing::TempFolder copy;
    std::filesystem::copy(BROLT_TEST_DIST_DIR, copy.path(), std::filesystem::copy_options::recursive);
    program = copy.path();
    const auto [environment, arguments] = c.prepare(program);
    RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=10 " + environment, arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.errors, kFullScreenNo + c.told(program));
    EXPECT_EQ(run.output.find("frames=") != std::string::npos, c.status == 0) << run.output;
  }
}

// A pack offered on the command line: the path's folder is dropped and the pack of that name in the
// program folder is offered; it becomes the default only once it has unpacked, and the game starts
// on the title, not a preview.
TEST_F(ProgramRunTest, APackOfferedOnTheCommandLineIsKeptOnlyWhenAcceptedAndUnpacked) {
  struct Case {
    const char* answers;
    const char* arguments;
    bool packThere;
    int status;
    const char* packSetting;
    // What the game says after the full-screen question.
    std::string told;
  };
  const std::string offer = "Dara Vizuruzu: Use 'Other.pak' as a new default pack file?  ";
  const Case kCases[] = {
      {"No No", "'/anywhere/Other.pak\"'", true, 0, "Brolt.pak", offer + "(No)\n"},
      {"No Yes", "'/anywhere/Other.pak\"'", true, 0, "Other.pak", offer + "(Yes)\n"},
      {"No Yes", "'/anywhere/Other.pak\"'", false, 1, "Brolt.pak",
       offer + "(Yes)\n" + Told("Can't find '" + (folder / "Other.pak").string() + "', use another pack file")},
      {"No Yes", "'Other.pak\"'", true, 0, "Brolt.pak", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.answers) + " to " + c.arguments + (c.packThere ? "" : " (not there)"));
    std::filesystem::remove(folder / "Other.pak");
    if (c.packThere) std::filesystem::copy_file(folder / "Brolt.pak", folder / "Other.pak");
    SetSetting("packfile", "Brolt.pak");
    RunResult run = Run(std::string("BROLT_QUIT_AFTER_FRAMES=10 BROLT_ANSWERS='") + c.answers + "'", c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.errors, kFullScreenNo + c.told);
    EXPECT_EQ(Setting("packfile"), c.packSetting);
  }
}

// Where no message box can show (no display for one), each question is answered No and each text
// still reaches the player's terminal.
TEST_F(ProgramRunTest, WithoutMessageBoxesEveryQuestionIsNoAndEveryMessageIsWritten) {
  std::filesystem::copy_file(folder / "Brolt.pak", folder / "Other.pak");
  RunResult run = Run("BROLT_QUIT_AFTER_FRAMES=10 BROLT_NO_DIALOGS=0 DISPLAY= WAYLAND_DISPLAY= SDL_AUDIODRIVER=nonexistent",
                      "'/anywhere/Other.pak\"'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "Brenwick Brolt: Run in Fullscreen?\n"
                        "Dara Vizuruzu: Use 'Other.pak' as a new default pack file? \n"
                        "Brenwick Brolt: Direct Sound Failed\n");
  EXPECT_EQ(Setting("packfile"), "Brolt.pak");
}

}  // namespace
}  // namespace brolt
