#pragma once
// Whole-file reads and crash-safe whole-file replacement.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "common/path_error.h"

namespace brolt {

// A file that could not be read or written; the message names the file and the reason.
class FileError : public PathError {
 public:
  using PathError::PathError;
};

// The whole file as bytes, or nothing when it does not exist. Never creates the file.
// Throws FileError when the file exists but cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes the bytes to a temporary file in the target's folder, flushes it and renames it over the
// target, so that a crash or a failed write leaves either the old file or the new one, never half.
// The file replaced keeps its mode; a new file gets the mode any program's new file gets, 0666 less
// the umask. The temporary file is locked from its creation until after the rename, so that the
// clean-up of what crashes leave never takes a write that is still running.
// Throws FileError and leaves the target untouched when any step fails.
void ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The points between the steps of ReplaceFileAtomically. A test stops the writer at one of them, as
// a crash would, to see that the target holds the old bytes or the new ones.
enum class ReplaceStep { TemporaryCreated, BytesWritten, Flushed, Renamed };

// The calls that hand the bytes to the temporary file and flush it; one left empty is the system's
// own. A test puts in one that fails, to see the failure reported with its own reason.
struct ReplaceSystemCalls {
  ssize_t (*write)(int fd, const void* data, std::size_t count) = nullptr;
  int (*fsync)(int fd) = nullptr;
};

// What a test puts into ReplaceFileAtomically; the programs never put in anything.
struct ReplaceSeams {
  void (*observer)(ReplaceStep step) = nullptr;
  ReplaceSystemCalls calls;
};

// Puts the seams in for as long as it lives and the earlier ones back when it ends, however the test
// leaves, so that a test that fails half-way never leaves its fakes to the next one.
class ScopedReplaceSeams {
 public:
  explicit ScopedReplaceSeams(const ReplaceSeams& seams);
  ~ScopedReplaceSeams();
  ScopedReplaceSeams(const ScopedReplaceSeams&) = delete;
  ScopedReplaceSeams& operator=(const ScopedReplaceSeams&) = delete;

 private:
  ReplaceSeams earlier_;
};

}  // namespace brolt
