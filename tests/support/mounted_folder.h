#pragma once
// A folder mounted for the length of a test: a read-only view of another folder, a folder made
// read-only where it stands, or a small memory file system of its own that the test can fill up. File modes don't stop the root user the tests
// run as, a mount does. Where mounting is not allowed, the Mount calls say why and the test skips.
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace brolt::testing {

class MountedFolder {
 public:
  MountedFolder() = default;
  ~MountedFolder() {
    if (mounted_) ::umount2(mountedAt_.c_str(), MNT_DETACH);
  }
  MountedFolder(const MountedFolder&) = delete;
  MountedFolder& operator=(const MountedFolder&) = delete;

  // Shows `source` read-only here. Returns an empty text, or why it could not be mounted.
  std::string MountReadOnlyView(const std::filesystem::path& source) { return BindReadOnly(source, point_.path()); }

  // Makes `folder` itself read-only until this ends, as a read-only disk would.
  std::string MakeReadOnly(const std::filesystem::path& folder) { return BindReadOnly(folder, folder); }

  // An empty memory file system of `megabytes`. Returns an empty text, or why it could not be mounted.
  std::string MountMemory(int megabytes) {
    const std::string options = "size=" + std::to_string(megabytes) + "m";
    if (::mount("tmpfs", point_.path().c_str(), "tmpfs", 0, options.c_str()) != 0) return Refused();
    mounted_ = true;
    mountedAt_ = point_.path();
    return {};
  }

  // Writes a file until the file system has no room left.
  void FillUp() const {
    const int descriptor = ::open((point_.path() / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::vector<char> block(65536, 'x');
    while (descriptor >= 0 && ::write(descriptor, block.data(), block.size()) > 0) {
    }
    if (descriptor >= 0) ::close(descriptor);
  }

  const std::filesystem::path& path() const { return point_.path(); }

 private:
  std::string BindReadOnly(const std::filesystem::path& source, const std::filesystem::path& target) {
    if (::mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) != 0) return Refused();
    mounted_ = true;
    mountedAt_ = target;
    if (::mount(nullptr, target.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) return Refused();
    return {};
  }

  static std::string Refused() { return std::string("mounting is not allowed here: ") + std::strerror(errno); }

  TempFolder point_;
  bool mounted_ = false;
  std::filesystem::path mountedAt_;
};

}  // namespace brolt::testing
