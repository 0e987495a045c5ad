#include "game/platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace brolt {

InstanceLock::InstanceLock(const std::filesystem::path& file) {
  descriptor_ = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (descriptor_ < 0) return;
  if (flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
    heldElsewhere_ = errno == EWOULDBLOCK;
    close(descriptor_);
    descriptor_ = -1;
  }
}

InstanceLock::~InstanceLock() {
  // Closing releases the lock; the file stays, so that no copy can lock a file another just removed.
  if (descriptor_ >= 0) close(descriptor_);
}

}  // namespace brolt
