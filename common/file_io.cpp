#include "common/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/temporary_file_name.h"

namespace brolt {

namespace {
// Enough tries that only a folder where names can't be made at all runs out of them.
constexpr int kNameTries = 100;

ReplaceSeams seams;

void Reached(ReplaceStep step) {
  if (seams.observer) seams.observer(step);
}

FileError SystemFailure(const std::filesystem::path& path, const char* failure) {
  return FileError(failure, path, std::string(": ") + std::strerror(errno));
}

// Hands every byte to the file; the reason it could not, or nothing.
std::optional<std::string> WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = seams.calls.write ? seams.calls.write(fd, bytes.data(), bytes.size())
                                              : ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return std::strerror(errno);
    // Nothing taken sets no errno: whatever it holds belongs to an earlier call.
    if (written == 0) return "no space was written";
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return std::nullopt;
}

// Writes and flushes the temporary file; the reason of the first step that failed, or nothing.
std::optional<std::string> Fill(int fd, std::string_view bytes) {
  std::optional<std::string> failure = WriteAll(fd, bytes);
  if (failure) return failure;
  Reached(ReplaceStep::BytesWritten);
  const int flushed = seams.calls.fsync ? seams.calls.fsync(fd) : ::fsync(fd);
  if (flushed != 0) return std::strerror(errno);
  return std::nullopt;
}

// Creates the temporary file beside the target under a name of ours, with the mode any program's new
// file gets, and locks it before anything else can happen to it. Its name goes to `temporary`.
// Where the file system has no locks the file is made all the same: the clean-up's age rule guards it.
int CreateLockedTemporaryFile(const std::filesystem::path& folder, const std::string& targetName,
                              std::string& temporary) {
  int fd = -1;
  for (int tries = 0; fd < 0 && tries < kNameTries; ++tries) {
    temporary = (folder / TemporaryFileName(targetName)).string();
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return fd;
  }
  if (fd >= 0) ::flock(fd, LOCK_EX);
  return fd;
}

// Keeps the permissions of the file being replaced; a new file keeps those it was made with. Where
// the change fails the file keeps those, which lose no data.
void KeepPermissions(const std::filesystem::path& target, int fd) {
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0) ::fchmod(fd, info.st_mode & 07777);
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
  std::string temporary;
  // The file stays open until after the rename, as its lock lasts only while it is open. The bytes
  // were flushed before the rename, so the close can lose none of them.
  const int fd = CreateLockedTemporaryFile(folder, path.filename().string(), temporary);
  if (fd < 0) throw SystemFailure(path, "Can't write");
  Reached(ReplaceStep::TemporaryCreated);
  std::optional<std::string> failure = Fill(fd, bytes);
  if (!failure) {
    KeepPermissions(path, fd);
    Reached(ReplaceStep::Flushed);
    if (::rename(temporary.c_str(), path.c_str()) == 0) {
      Reached(ReplaceStep::Renamed);
      ::close(fd);
      return;
    }
    failure = std::strerror(errno);
  }
  ::unlink(temporary.c_str());
  ::close(fd);
  throw FileError("Can't write", path, ": " + *failure);
}

ScopedReplaceSeams::ScopedReplaceSeams(const ReplaceSeams& put) : earlier_(seams) { seams = put; }

ScopedReplaceSeams::~ScopedReplaceSeams() { seams = earlier_; }

}  // namespace brolt
