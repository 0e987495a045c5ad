// The built game run headless for many frames, as the tests, the benchmarks and the recorded
// solutions run it: what it holds must not grow with the length of the run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/file_io.h"
#include "support/temp_folder.h"

extern char** environ;

namespace brolt {
namespace {

struct MeasuredRun {
  int status = -1;
  std::string output;
  long peakKilobytes = 0;
};

class LongRunMemoryTest : public ::testing::Test {
 protected:
  LongRunMemoryTest() {
    std::filesystem::copy(BROLT_TEST_DIST_DIR, folder.path(), std::filesystem::copy_options::recursive);
  }

  // The game as a child of its own, not of a shell, so that its own peak resident size is the one
  // the wait reports. `settings` come first in its environment and win over the inherited ones.
  MeasuredRun Run(const std::vector<std::string>& settings) {
    std::vector<std::string> entries = {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy", "BROLT_NO_DIALOGS=1",
                                        "BROLT_FIXED_FRAME_MS=16", "BROLT_SEED=7"};
    entries.insert(entries.begin(), settings.begin(), settings.end());
    for (char** inherited = environ; *inherited; ++inherited) entries.emplace_back(*inherited);
    std::vector<char*> environment;
    for (std::string& entry : entries) environment.push_back(entry.data());
    environment.push_back(nullptr);
    const std::string output = (folder / "output.txt").string();
    char program[] = "./brolt";
    char* arguments[] = {program, nullptr};

    const pid_t child = ::fork();
    if (child == 0) {
      const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      const int none = ::open("/dev/null", O_WRONLY);
      if (::chdir(folder.path().c_str()) != 0 || out < 0 || none < 0 || ::dup2(out, 1) < 0 || ::dup2(none, 2) < 0)
        ::_exit(126);
      ::execve(program, arguments, environment.data());
      ::_exit(127);
    }
    MeasuredRun run;
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = ReadWholeFile(output).value_or("");
    run.peakKilobytes = usage.ru_maxrss;
    return run;
  }

  testing::TempFolder folder;
};

TEST_F(LongRunMemoryTest, ALongOffscreenRunHoldsAboutWhatAShortOneHolds) {
  constexpr int kShortFrames = 300;
  constexpr int kLongFrames = 4000;
  constexpr long kAllowedGrowthKilobytes = 50 * 1024;
  auto playFor = [&](int frames) {
    const MeasuredRun run = Run({"BROLT_START_LEVEL=3", "BROLT_QUIT_AFTER_FRAMES=" + std::to_string(frames)});
    EXPECT_EQ(run.status, 0) << frames << " frames: " << run.output;
    EXPECT_NE(run.output.find("frames=" + std::to_string(frames) + " "), std::string::npos) << run.output;
    return run;
  };
  const MeasuredRun shortRun = playFor(kShortFrames);
  const MeasuredRun longRun = playFor(kLongFrames);
  EXPECT_LE(longRun.peakKilobytes, shortRun.peakKilobytes + kAllowedGrowthKilobytes)
      << kShortFrames << " frames: " << shortRun.peakKilobytes << " KB, " << kLongFrames
      << " frames: " << longRun.peakKilobytes << " KB";
}

}  // namespace
}  // namespace brolt
