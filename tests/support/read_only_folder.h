#pragma once
// Runs part of a test in a child process that sees one folder read-only, as on a read-only disk. The
// child takes a mount namespace of its own and binds the folder over itself read-only, so nothing
// outside the child sees the change; permissions could not do it, since root may write anyway.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace brolt::testing {

namespace read_only_folder {

inline constexpr int kCannotMount = 77;

inline bool WriteAll(int fd, const std::string& text) {
  return ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

inline bool WriteProcFile(const char* path, const std::string& text) {
  const int fd = ::open(path, O_WRONLY);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, text);
  ::close(fd);
  return written;
}

// As root a mount namespace alone; otherwise one inside a user namespace that maps this user to itself.
inline bool EnterOwnMountNamespace() {
  if (::unshare(CLONE_NEWNS) == 0) return true;
  const std::string uid = std::to_string(::geteuid());
  const std::string gid = std::to_string(::getegid());
  return ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 && WriteProcFile("/proc/self/setgroups", "deny") &&
         WriteProcFile("/proc/self/uid_map", uid + " " + uid + " 1") &&
         WriteProcFile("/proc/self/gid_map", gid + " " + gid + " 1");
}

// The remount keeps the flags the folder's mount already has: a user namespace may not drop them.
inline bool BindReadOnly(const std::filesystem::path& folder) {
  struct statvfs mounted {};
  if (::statvfs(folder.c_str(), &mounted) != 0) return false;
  unsigned long kept = 0;
  if (mounted.f_flag & ST_NOSUID) kept |= MS_NOSUID;
  if (mounted.f_flag & ST_NODEV) kept |= MS_NODEV;
  if (mounted.f_flag & ST_NOEXEC) kept |= MS_NOEXEC;
  return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
         ::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY | kept, nullptr) == 0;
}

}  // namespace read_only_folder

// What `body` returns, run where `folder` is read-only; nothing when this system can't make a folder
// read-only (the test then skips). A child that dies in `body` gives a text no test expects.
inline std::optional<std::string> RunWithFolderReadOnly(const std::filesystem::path& folder,
                                                        const std::function<std::string()>& body) {
  int ends[2];
  if (::pipe(ends) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ends[0]);
    if (!read_only_folder::EnterOwnMountNamespace() || !read_only_folder::BindReadOnly(folder))
      ::_exit(read_only_folder::kCannotMount);
    ::_exit(read_only_folder::WriteAll(ends[1], body()) ? 0 : 1);
  }
  ::close(ends[1]);
  std::string result;
  char buffer[256];
  ssize_t got;
  while ((got = ::read(ends[0], buffer, sizeof buffer)) > 0) result.append(buffer, static_cast<std::size_t>(got));
  ::close(ends[0]);
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return std::nullopt;
  if (WIFEXITED(status) && WEXITSTATUS(status) == read_only_folder::kCannotMount) return std::nullopt;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "<the child process failed>";
  return result;
}

}  // namespace brolt::testing
