#pragma once
// A folder mounted for the length of a test: a read-only view of another folder, or a small memory
// file system of its own that the test can fill up. File modes don't stop the root user the tests
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
    if (mounted_) ::umount2(point_.path().c_str(), MNT_DETACH);
  }
  MountedFolder(const MountedFolder&) = delete;
  MountedFolder& operator=(const MountedFolder&) = delete;

  // Shows `source` read-only here. Returns an empty text, or why it could not be mounted.
  std::string MountReadOnlyView(const std::filesystem::path& source) {
    if (::mount(source.c_str(), point_.path().c_str(), nullptr, MS_BIND, nullptr) != 0) return Refused();
    mounted_ = true;
    if (::mount(nullptr, point_.path().c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
      return Refused();
    return {};
  }

  // An empty memory file system of `megabytes`. Returns an empty text, or why it could not be mounted.
  std::string MountMemory(int megabytes) {
    const std::string options = "size=" + std::to_string(megabytes) + "m";
    if (::mount("tmpfs", point_.path().c_str(), "tmpfs", 0, options.c_str()) != 0) return Refused();
    mounted_ = true;
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
  static std::string Refused() { return std::string("mounting is not allowed here: ") + std::strerror(errno); }

  TempFolder point_;
  bool mounted_ = false;
};

}  // namespace brolt::testing
