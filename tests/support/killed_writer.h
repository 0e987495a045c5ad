#pragma once
// Runs a writer in a child process that is killed, as by a crash or a power cut of the program, or
// stopped, as by a slow disk, the moment ReplaceFileAtomically reaches a given step.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <functional>

#include "common/file_io.h"

namespace brolt::testing {

struct SignalAtStep {
  ReplaceStep step = ReplaceStep::TemporaryCreated;
  int signal = SIGKILL;
};

inline SignalAtStep& WhereToSignal() {
  static SignalAtStep where;
  return where;
}

// A child that runs the writer, sending itself `signal` at `step`; it ends with 0 when the write
// completed, 1 when it failed. The child's number, or -1.
inline pid_t ForkWriter(ReplaceStep step, int signal, const std::function<void()>& writer) {
  WhereToSignal() = {step, signal};
  const pid_t child = ::fork();
  if (child == 0) {
    const ScopedReplaceSeams seams({.observer = [](ReplaceStep reached) {
      if (reached == WhereToSignal().step) ::raise(WhereToSignal().signal);
    }, .calls = {}});
    try {
      writer();
    } catch (const std::exception&) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  return child;
}

// True when the child died at `step`; false when it ended some other way (it never got there).
inline bool RunKilledAt(ReplaceStep step, const std::function<void()>& writer) {
  const pid_t child = ForkWriter(step, SIGKILL, writer);
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// A write held at `step` for as long as the test wants, then let go.
class StoppedWriter {
 public:
  StoppedWriter(ReplaceStep step, const std::function<void()>& writer) : child_(ForkWriter(step, SIGSTOP, writer)) {
    int status = 0;
    if (child_ > 0 && ::waitpid(child_, &status, WUNTRACED) == child_ && !WIFSTOPPED(status)) child_ = -1;  // ended
  }
  ~StoppedWriter() {
    if (child_ <= 0) return;
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
  }
  StoppedWriter(const StoppedWriter&) = delete;
  StoppedWriter& operator=(const StoppedWriter&) = delete;

  bool Stopped() const { return child_ > 0; }

  // Lets the write go on; true when it then completed.
  bool Finish() {
    if (child_ <= 0 || ::kill(child_, SIGCONT) != 0) return false;
    int status = 0;
    const bool ended = ::waitpid(child_, &status, 0) == child_;
    child_ = -1;
    return ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

 private:
  pid_t child_;
};

inline constexpr ReplaceStep kEveryReplaceStep[] = {ReplaceStep::TemporaryCreated, ReplaceStep::BytesWritten,
                                                     ReplaceStep::Flushed, ReplaceStep::Renamed};

}  // namespace brolt::testing
