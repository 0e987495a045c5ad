#include "common/file_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
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
int FailsToFlush(int) {
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
           {"a failed flush", {WritesLeavingAnOldErrno, FailsToFlush}, false, "Input/output error"},
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
    std::string message;
    try {
      const ScopedReplaceSeams seams({.calls = c.calls});
      ReplaceFileAtomically(target, "the new bytes");
    } catch (const FileError& error) {
      message = error.what();
    }
    EXPECT_EQ(message, "Can't write '" + target.string() + "': " + c.reason);
    if (!c.targetIsFolder) {
      EXPECT_EQ(ReadWholeFile(target), "old bytes");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    EXPECT_NO_THROW(ReplaceFileAtomically(target.parent_path() / "b.lvl", "bytes"));  // the fake went with its test
  }
}

// The owner can't be kept by a writer that isn't root, the mode can.
TEST(ReplaceFileAtomically, AReplacedFileKeepsItsModeAndANewOneGetsWhatTheUmaskLeaves) {
  struct Case {
    std::optional<mode_t> had;
    mode_t umask;
    mode_t kept;
  };
  for (const Case& c : std::vector<Case>{{0640, 022, 0640},
                                         {0600, 022, 0600},
                                         {0664, 077, 0664},
                                         {0755, 077, 0755},
                                         {std::nullopt, 022, 0644},
                                         {std::nullopt, 077, 0600},
                                         {std::nullopt, 002, 0664}}) {
    SCOPED_TRACE(::testing::Message() << std::oct << c.had.value_or(0) << " " << c.umask);
    testing::TempFolder folder;
    const auto target = folder / "a.lvl";
    if (c.had) {
      ReplaceFileAtomically(target, "old bytes");
      std::filesystem::permissions(target, static_cast<std::filesystem::perms>(*c.had));
    }
    const mode_t before = ::umask(c.umask);
    ReplaceFileAtomically(target, "the new bytes");
    ::umask(before);
    struct stat written {};
    ASSERT_EQ(::stat(target.c_str(), &written), 0);
    EXPECT_EQ(written.st_mode & 07777, c.kept);
  }
}

}  // namespace
}  // namespace brolt
