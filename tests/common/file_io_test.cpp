#include "common/file_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <unistd.h>
#include <vector>

#include "support/killed_writer.h"
#include "support/temp_folder.h"

namespace brolt {
namespace {

TEST(ReplaceFileAtomically, AWriterKilledAtAnyStepLeavesTheOldBytesUntilTheRenameAndTheNewOnesAfter) {
  for (ReplaceStep step : testing::kEveryReplaceStep) {
    SCOPED_TRACE(static_cast<int>(step));
    testing::TempFolder folder;
    const auto target = folder / "a.lvl";
    ReplaceFileAtomically(target, "old bytes");
    ASSERT_TRUE(testing::RunKilledAt(step, [&] { ReplaceFileAtomically(target, "the new bytes"); }));
    EXPECT_EQ(ReadWholeFile(target), step == ReplaceStep::Renamed ? "the new bytes" : "old bytes");
  }
}

ssize_t WritesNothing(int, const void*, std::size_t) { return 0; }
ssize_t FindsTheDiskFull(int, const void*, std::size_t) {
  errno = ENOSPC;
  return -1;
}
// Writes, but leaves errno as a call that failed before would have.
ssize_t WritesLeavingAnOldErrno(int fd, const void* data, std::size_t count) {
  const ssize_t written = ::write(fd, data, count);
  errno = EAGAIN;
  return written;
}
int FailsToClose(int fd) {
  ::close(fd);
  errno = EIO;
  return -1;
}

TEST(ReplaceFileAtomically, AFailedStepIsReportedWithItsOwnReasonAndLeavesTheTargetAndNoTemporaryFile) {
  struct Case {
    const char* name;
    ReplaceSystemCalls calls;
    bool targetIsFolder;
    std::string reason;
  };
  for (const Case& c : std::vector<Case>{
           {"a write that takes nothing", {WritesNothing, nullptr}, false, "no space was written"},
           {"a full disk", {FindsTheDiskFull, nullptr}, false, "No space left on device"},
           {"a failed close", {WritesLeavingAnOldErrno, FailsToClose}, false, "Input/output error"},
           {"a folder in the way of the rename", {}, true, "Is a directory"},
       }) {
    SCOPED_TRACE(c.name);
    testing::TempFolder folder;
    const auto target = folder / "a.lvl";
    if (c.targetIsFolder) {
      std::filesystem::create_directories(target / "level");
    } else {
      ReplaceFileAtomically(target, "old bytes");
    }
    SetReplaceSystemCalls(c.calls);
    std::string message;
    try {
      ReplaceFileAtomically(target, "the new bytes");
    } catch (const FileError& error) {
      message = error.what();
    }
    SetReplaceSystemCalls({});
    EXPECT_EQ(message, "Can't write '" + target.string() + "': " + c.reason);
    if (!c.targetIsFolder) {
      EXPECT_EQ(ReadWholeFile(target), "old bytes");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  }
}

}  // namespace
}  // namespace brolt
