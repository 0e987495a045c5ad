#include "common/stale_temporary_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <system_error>

#include "common/temporary_file_name.h"

namespace brolt {

namespace fs = std::filesystem;

namespace {
// A second guard beside the writer's lock, which a file the writer has only just made may not have yet.
constexpr auto kUntouchedFor = std::chrono::minutes(1);

bool IsStaleTemporaryFile(const fs::directory_entry& entry, fs::file_time_type staleBefore) {
  if (!IsTemporaryFileName(entry.path().filename().string())) return false;
  std::error_code error;
  if (entry.symlink_status(error).type() != fs::file_type::regular) return false;
  const fs::file_time_type written = entry.last_write_time(error);
  return !error && written < staleBefore;
}

// The writer holds its temporary file locked until after the rename; the lock taken here is held over
// the removal.
void RemoveUnlessAWriteHoldsIt(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
  ::close(fd);
}
}  // namespace

void RemoveStaleTemporaryFiles(const fs::path& folder) {
  const fs::file_time_type staleBefore = fs::file_time_type::clock::now() - kUntouchedFor;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error); !error && entry != fs::directory_iterator();
       entry.increment(error)) {
    if (IsStaleTemporaryFile(*entry, staleBefore)) RemoveUnlessAWriteHoldsIt(entry->path());
  }
}

}  // namespace brolt
