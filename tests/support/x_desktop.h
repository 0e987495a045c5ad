#pragma once
// A bare X server (Xvfb) on a display of its own, programs started on it, and real key and mouse
// events sent to them with xdotool, as a designer's desktop would send them.
#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/patience.h"

namespace brolt::testing {

// Polls `done` every 50 ms for up to `seconds`.
inline bool WaitUntil(const std::function<bool()>& done, int seconds) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

// A program started in its own folder with extra environment variables, stopped if still running at
// the end.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& command, const std::filesystem::path& folder,
               const std::map<std::string, std::string>& environment, int keptOpenDescriptor = -1) {
    pid_ = fork();
    if (pid_ != 0) return;
    // Should the test's process end without its destructors, the program must not outlive it: it
    // would hold the test runner's output open and keep the runner waiting.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);
    for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
    for (int descriptor = 3; descriptor < 256; ++descriptor)
      if (descriptor != keptOpenDescriptor) close(descriptor);
    std::vector<char*> arguments;
    for (const std::string& word : command) arguments.push_back(const_cast<char*>(word.c_str()));
    arguments.push_back(nullptr);
    execvp(arguments[0], arguments.data());
    _exit(127);
  }
  ~ChildProcess() {
    if (Running()) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Running() {
    if (pid_ <= 0 || exited_) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_) return true;
    exited_ = true;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return false;
  }
  // The exit status once ended within `seconds`, else nothing.
  std::optional<int> WaitForExit(int seconds) {
    if (!WaitUntil([this] { return !Running(); }, seconds)) return std::nullopt;
    return status_;
  }

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
  int status_ = -1;
};

class XDesktop {
 public:
  XDesktop() {
    int channel[2];
    if (pipe(channel) != 0) return;
    // Xvfb picks a free display and writes its number to the descriptor it is given. Without
    // -noreset it resets each time its last client leaves, and refuses a client that connects in
    // that moment: an xdotool call that ends as a program starts would leave the program without
    // a display.
    server_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(channel[1]), "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp", "-noreset"},
        std::filesystem::path{}, std::map<std::string, std::string>{}, channel[1]);
    close(channel[1]);
    pollfd ready{channel[0], POLLIN, 0};
    std::string number;
    char letter = 0;
    while (poll(&ready, 1, 20000) > 0 && read(channel[0], &letter, 1) == 1 && letter != '\n') number += letter;
    close(channel[0]);
    if (!number.empty()) display_ = ":" + number;
  }

  // Empty when the server did not start.
  const std::string& Display() const { return display_; }

  std::unique_ptr<ChildProcess> Start(const std::filesystem::path& program, const std::filesystem::path& folder) const {
    return std::make_unique<ChildProcess>(std::vector<std::string>{program.string()}, folder,
                                          std::map<std::string, std::string>{{"DISPLAY", display_},
                                                                             {"QT_QPA_PLATFORM", "xcb"}});
  }

  // Runs xdotool with these arguments and returns what it printed; nothing when it failed.
  std::optional<std::string> Xdotool(const std::string& arguments) const {
    std::optional<std::string> printed = Printed("DISPLAY=" + display_ + " timeout 30 xdotool " + arguments + " 2>/dev/null");
    while (printed && !printed->empty() && printed->back() == '\n') printed->pop_back();
    return printed;
  }

  // Makes `text` the X selection the middle button pastes; xclip stays behind to hand it out. True
  // once the server hands it out: xclip's background copy claims it only when it gets to run.
  bool SetSelection(const std::string& text) const {
    FILE* pipe = popen(("DISPLAY=" + display_ + " xclip -selection primary -t UTF8_STRING >/dev/null 2>&1").c_str(), "w");
    if (pipe == nullptr) return false;
    const bool written = fwrite(text.data(), 1, text.size(), pipe) == text.size();
    return pclose(pipe) == 0 && written && WaitUntil([&] { return Selection() == text; }, kDesktopPatience);
  }

  // The X selection as its owner hands it out; nothing when there is none.
  std::optional<std::string> Selection() const {
    return Printed("DISPLAY=" + display_ + " timeout 30 xclip -o -selection primary -t UTF8_STRING 2>/dev/null");
  }

  // The windows of this class that are mapped, in the server's order.
  std::vector<std::string> VisibleWindows(const std::string& windowClass) const {
    std::vector<std::string> windows;
    const std::string listed = Xdotool("search --onlyvisible --class '" + windowClass + "'").value_or("");
    for (std::size_t start = 0; start < listed.size();) {
      const std::size_t end = std::min(listed.find('\n', start), listed.size());
      windows.push_back(listed.substr(start, end - start));
      start = end + 1;
    }
    return windows;
  }

  // The window that has the keyboard, and its name.
  std::string FocusedWindow() const { return Xdotool("getwindowfocus").value_or(""); }
  std::string FocusedWindowName() const { return Xdotool("getwindowfocus getwindowname").value_or(""); }

  bool WaitForFocusOn(const std::string& name, int seconds = kDesktopPatience) const {
    return WaitUntil([&] { return FocusedWindowName() == name; }, seconds);
  }

 private:
  // What a shell command printed, byte for byte; nothing when it failed.
  static std::optional<std::string> Printed(const std::string& command) {
    std::string printed;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::array<char, 256> buffer{};
    for (std::size_t read = 0; (read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) printed.append(buffer.data(), read);
    if (pclose(pipe) != 0) return std::nullopt;
    return printed;
  }

  std::unique_ptr<ChildProcess> server_;
  std::string display_;
};

}  // namespace brolt::testing
