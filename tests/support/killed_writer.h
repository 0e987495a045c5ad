#pragma once
// Runs a writer in a child process that is killed, as by a crash or a power cut of the program,
// the moment ReplaceFileAtomically reaches a given step.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <functional>

#include "common/file_io.h"

namespace brolt::testing {

inline ReplaceStep& StepToDieAt() {
  static ReplaceStep step = ReplaceStep::TemporaryCreated;
  return step;
}

// True when the child died at `step`; false when it ended some other way (it never got there).
inline bool RunKilledAt(ReplaceStep step, const std::function<void()>& writer) {
  StepToDieAt() = step;
  const pid_t child = ::fork();
  if (child == 0) {
    SetReplaceStepObserver([](ReplaceStep reached) {
      if (reached == StepToDieAt()) ::raise(SIGKILL);
    });
    try {
      writer();
    } catch (const std::exception&) {
    }
    ::_exit(0);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

inline constexpr ReplaceStep kEveryReplaceStep[] = {ReplaceStep::TemporaryCreated, ReplaceStep::BytesWritten,
                                                     ReplaceStep::Flushed, ReplaceStep::Renamed};

}  // namespace brolt::testing
