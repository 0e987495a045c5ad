// The game's own message boxes as the player meets them: a real box on a bare X server answered
// with the keys, and the standard error line where no box can be shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game/platform/message_box.h"
#include "support/scoped_variable.h"
#include "support/x_desktop.h"

namespace brolt {
namespace {

// The shown box with this title, once it is there. SDL names its boxes in UTF-8 only, which
// xdotool's search by name does not read, so each shown top-level window's name is asked for.
std::optional<std::string> ShownBox(const testing::XDesktop& desktop, const std::string& title) {
  std::optional<std::string> found;
  testing::WaitUntil(
      [&] {
        const std::string listed = desktop.Xdotool("search --onlyvisible --maxdepth 1 --classname ''").value_or("");
        for (std::size_t start = 0; start < listed.size() && !found;) {
          const std::size_t end = std::min(listed.find('\n', start), listed.size());
          const std::string window = listed.substr(start, end - start);
          if (desktop.Xdotool("getwindowname " + window) == title) found = window;
          start = end + 1;
        }
        return found.has_value();
      },
      testing::kDesktopPatience);
  return found;
}

// Runs `show` in a process of its own and gives its exit status once it ends, or nothing after
// the desktop's patience. SDL shows its box from a process that it forks off, which would keep
// open any pipe the test opened in the same moment, so the test's own xdotool calls would hang.
class BoxProcess {
 public:
  explicit BoxProcess(const std::function<int()>& show) : pid_(fork()) {
    if (pid_ == 0) _exit(show());
  }
  ~BoxProcess() {
    if (!status_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  BoxProcess(const BoxProcess&) = delete;
  BoxProcess& operator=(const BoxProcess&) = delete;

  std::optional<int> Status() {
    testing::WaitUntil([&] { return Ended(); }, testing::kDesktopPatience);
    return status_;
  }
  // Whether the process has ended by now, without waiting.
  bool Ended() {
    int status = 0;
    if (!status_ && waitpid(pid_, &status, WNOHANG) == pid_) status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return status_.has_value();
  }

 private:
  pid_t pid_;
  std::optional<int> status_;
};

TEST(MessageBoxTest, TheKeysAnswerARealBox) {
  const testing::XDesktop desktop;
  ASSERT_FALSE(desktop.Display().empty()) << "Xvfb did not start";
  const testing::ScopedVariable display("DISPLAY", desktop.Display());
  const struct {
    const char* key;
    int answer;
  } rows[] = {{"Return", 1}, {"Escape", 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.key);
    BoxProcess asked([] { return AskYesNo("Brolt question", "Run in Fullscreen?") ? 1 : 0; });
    const std::optional<std::string> box = ShownBox(desktop, "Brolt question");
    ASSERT_TRUE(box);
    ASSERT_TRUE(desktop.Xdotool("windowfocus --sync " + *box + " key " + row.key));
    EXPECT_EQ(asked.Status(), row.answer);
  }

  // The message waits for its answer: shown a while, it has not returned; answered, it returns.
  BoxProcess told([] {
    ShowMessage("Brolt notice", "Level saved", MessageIcon::Information);
    return 0;
  });
  const std::optional<std::string> box = ShownBox(desktop, "Brolt notice");
  ASSERT_TRUE(box);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(told.Ended());
  ASSERT_TRUE(desktop.Xdotool("windowfocus --sync " + *box + " key Return"));
  EXPECT_EQ(told.Status(), 0);
}

TEST(MessageBoxTest, WithoutAScreenTheMessageGoesToStandardErrorAndTheAnswerIsNo) {
  const testing::ScopedVariable display("DISPLAY", "");
  const testing::ScopedVariable wayland("WAYLAND_DISPLAY", "");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(AskYesNo("Brolt question", "Run in Fullscreen?"));
  ShowMessage("Brolt notice", "Level saved", MessageIcon::Warning);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Brolt question: Run in Fullscreen?\nBrolt notice: Level saved\n");
}

}  // namespace
}  // namespace brolt
