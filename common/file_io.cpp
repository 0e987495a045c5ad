#include "common/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brolt {

namespace {
ReplaceStepObserver stepObserver = nullptr;

void Reached(ReplaceStep step) {
  if (stepObserver) stepObserver(step);
}

std::string Describe(const std::filesystem::path& path, const char* what) {
  return std::string(what) + " '" + path.string() + "': " + std::strerror(errno);
}
}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throw FileError(Describe(path, "Can't open"));
  }
  std::string bytes;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) throw FileError(Describe(path, "Can't read"));
  return bytes;
}

void ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) throw FileError(Describe(path, "Can't write"));
  Reached(ReplaceStep::TemporaryCreated);
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  bool ok = true;
  while (ok && left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    ok = written > 0;
    if (ok) {
      data += written;
      left -= static_cast<std::size_t>(written);
    }
  }
  if (ok) Reached(ReplaceStep::BytesWritten);
  ok = ok && ::fsync(fd) == 0;
  int saved = errno;
  ok = (::close(fd) == 0) && ok;
  // Keep the permissions of the file being replaced; a new file gets the usual ones.
  struct stat info {};
  if (ok && ::stat(path.c_str(), &info) == 0) ::chmod(pattern.c_str(), info.st_mode & 07777);
  else if (ok) ::chmod(pattern.c_str(), 0644);
  if (ok) Reached(ReplaceStep::Flushed);
  if (ok && ::rename(pattern.c_str(), path.c_str()) == 0) {
    Reached(ReplaceStep::Renamed);
    return;
  }
  if (!ok) errno = saved ? saved : errno;
  std::string message = Describe(path, "Can't write");
  ::unlink(pattern.c_str());
  throw FileError(message);
}

void SetReplaceStepObserver(ReplaceStepObserver observer) { stepObserver = observer; }

}  // namespace brolt
