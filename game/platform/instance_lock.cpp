#include "game/platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace brolt {

InstanceLock::InstanceLock(const std::filesystem::path& folder) {
  descriptor_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor_ < 0) return;
  if (flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
    heldElsewhere_ = errno == EWOULDBLOCK;
    close(descriptor_);
    descriptor_ = -1;
  }
}

InstanceLock::~InstanceLock() {
  // Closing releases the lock.
  if (descriptor_ >= 0) close(descriptor_);
}

}  // namespace brolt
