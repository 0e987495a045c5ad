#include "common/stale_temporary_files.h"

#include <chrono>
#include <system_error>

#include "common/temporary_file_name.h"

namespace brolt {

namespace fs = std::filesystem;

namespace {
constexpr auto kUntouchedFor = std::chrono::minutes(1);

bool IsStaleTemporaryFile(const fs::directory_entry& entry, fs::file_time_type staleBefore) {
  if (!IsTemporaryFileName(entry.path().filename().string())) return false;
  std::error_code error;
  if (entry.symlink_status(error).type() != fs::file_type::regular) return false;
  const fs::file_time_type written = entry.last_write_time(error);
  return !error && written < staleBefore;
}
}  // namespace

void RemoveStaleTemporaryFiles(const fs::path& folder) {
  const fs::file_time_type staleBefore = fs::file_time_type::clock::now() - kUntouchedFor;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error); !error && entry != fs::directory_iterator();
       entry.increment(error)) {
    std::error_code kept;
    if (IsStaleTemporaryFile(*entry, staleBefore)) fs::remove(entry->path(), kept);
  }
}

}  // namespace brolt
