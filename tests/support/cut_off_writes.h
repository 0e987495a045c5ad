#pragma once
// The temporary files that whole-file writes cut off by a crash leave in a program folder: an old one
// in the folder itself and one in Levels, and a fresh one in Levels, as of a write still running.
#include <chrono>
#include <filesystem>
#include <vector>

#include "common/file_io.h"

namespace brolt::testing {

struct CutOffWrite {
  std::filesystem::path path;
  bool old;
};

inline std::vector<CutOffWrite> LeaveCutOffWrites(const std::filesystem::path& programFolder) {
  std::filesystem::create_directories(programFolder / "Levels");
  const std::vector<CutOffWrite> left{{programFolder / "Levels" / ".Mine.lvl.a1B2c3", true},
                                      {programFolder / ".Define.qdm.Zz9Yy8", true},
                                      {programFolder / "Levels" / ".Mine.lvl.d4E5f6", false}};
  for (const auto& [path, old] : left) {
    ReplaceFileAtomically(path, "cut off");
    const auto now = std::filesystem::file_time_type::clock::now();
    if (old) std::filesystem::last_write_time(path, now - std::chrono::hours(1));
  }
  return left;
}

}  // namespace brolt::testing
