#include "common/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/temporary_file_name.h"

namespace brolt {

namespace {
ReplaceStepObserver stepObserver = nullptr;
ReplaceSystemCalls systemCalls;

void Reached(ReplaceStep step) {
  if (stepObserver) stepObserver(step);
}

FileError SystemFailure(const std::filesystem::path& path, const char* failure) {
  return FileError(failure, path, std::string(": ") + std::strerror(errno));
}

// Hands every byte to the file; the reason it could not, or nothing.
std::optional<std::string> WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = systemCalls.write ? systemCalls.write(fd, bytes.data(), bytes.size())
                                              : ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return std::strerror(errno);
    // Nothing taken sets no errno: whatever it holds belongs to an earlier call.
    if (written == 0) return "no space was written";
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return std::nullopt;
}

// Writes, flushes and closes the temporary file; the reason of the first step that failed, or nothing.
// The file is closed in any case, and a later step never replaces the first reason.
std::optional<std::string> FillAndClose(int fd, std::string_view bytes) {
  std::optional<std::string> failure = WriteAll(fd, bytes);
  if (!failure) Reached(ReplaceStep::BytesWritten);
  if (!failure && ::fsync(fd) != 0) failure = std::strerror(errno);
  const int closed = systemCalls.close ? systemCalls.close(fd) : ::close(fd);
  if (closed != 0 && !failure) failure = std::strerror(errno);
  return failure;
}

// Keeps the permissions of the file being replaced; a new file gets the usual ones. Where that fails
// the file keeps mkstemp's owner-only ones, which lose no data.
void KeepPermissions(const std::filesystem::path& target, const std::string& temporary) {
  struct stat info {};
  const mode_t mode = ::stat(target.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
  ::chmod(temporary.c_str(), mode);
}
}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throw SystemFailure(path, "Can't open");
  }
  std::string bytes;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) throw SystemFailure(path, "Can't read");
  return bytes;
}

void ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  std::string temporary = (folder / TemporaryFileTemplate(path.filename().string())).string();
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) throw SystemFailure(path, "Can't write");
  Reached(ReplaceStep::TemporaryCreated);
  std::optional<std::string> failure = FillAndClose(fd, bytes);
  if (!failure) {
    KeepPermissions(path, temporary);
    Reached(ReplaceStep::Flushed);
    if (::rename(temporary.c_str(), path.c_str()) == 0) {
      Reached(ReplaceStep::Renamed);
      return;
    }
    failure = std::strerror(errno);
  }
  ::unlink(temporary.c_str());
  throw FileError("Can't write", path, ": " + *failure);
}

void SetReplaceStepObserver(ReplaceStepObserver observer) { stepObserver = observer; }

void SetReplaceSystemCalls(const ReplaceSystemCalls& calls) { systemCalls = calls; }

}  // namespace brolt
