#pragma once
// Keeps a second copy of the game from running: the first copy holds a lock on the program folder
// itself until it ends (the system releases it even when the game crashes). A folder can be locked
// where no file can be made in it, as on a read-only disk.
#include <filesystem>

namespace brolt {

class InstanceLock {
 public:
  // Takes the lock on `folder`.
  explicit InstanceLock(const std::filesystem::path& folder);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when another running copy holds the lock. A folder that cannot be opened at all, or a file
  // system without locks, proves nothing, and does not stop the game.
  bool HeldElsewhere() const { return heldElsewhere_; }

 private:
  int descriptor_ = -1;
  bool heldElsewhere_ = false;
};

}  // namespace brolt
