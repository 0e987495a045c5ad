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
// Throws FileError and leaves the target untouched when any step fails.
void ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The points between the steps of ReplaceFileAtomically. A test stops the writer at one of them, as
// a crash would, to see that the target holds the old bytes or the new ones; the programs never set
// an observer.
enum class ReplaceStep { TemporaryCreated, BytesWritten, Flushed, Renamed };
using ReplaceStepObserver = void (*)(ReplaceStep step);
void SetReplaceStepObserver(ReplaceStepObserver observer);

// The calls that hand the bytes to the temporary file and close it; one left empty is the system's
// own. A test puts in one that fails, to see the failure reported with its own reason; the programs
// never set them.
struct ReplaceSystemCalls {
  ssize_t (*write)(int fd, const void* data, std::size_t count) = nullptr;
  int (*close)(int fd) = nullptr;
};
void SetReplaceSystemCalls(const ReplaceSystemCalls& calls);

}  // namespace brolt
