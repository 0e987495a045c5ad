#pragma once
// Keeps a second copy of the game from running: the first copy holds a lock on a file in the
// program folder until it ends (the system releases it even when the game crashes).
#include <filesystem>

namespace brolt {

inline constexpr const char* kInstanceLockFile = "brolt.lock";

class InstanceLock {
 public:
  // Takes the lock on `file`, creating the file when it is missing.
  explicit InstanceLock(const std::filesystem::path& file);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when another running copy holds the lock. A lock file that cannot be opened at all (a
  // read-only folder) proves nothing, and does not stop the game.
  bool HeldElsewhere() const { return heldElsewhere_; }

 private:
  int descriptor_ = -1;
  bool heldElsewhere_ = false;
};

}  // namespace brolt
