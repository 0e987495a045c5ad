#pragma once
// The shipped level collections as the solutions play them, and where each level's solution is kept.
#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace brolt::solutions {

// <solutions>/<collection>/<level, two digits>.keys
inline std::filesystem::path SolutionFile(const std::filesystem::path& solutions, const std::string& collection,
                                          int level) {
  return solutions / collection / ((level < 10 ? "0" : "") + std::to_string(level) + ".keys");
}

// A copy of the Levels folder of the program folder `dist`, removed at the end: finishing a level
// of a compiled collection writes progress into it.
class ShippedLevelsCopy {
 public:
  explicit ShippedLevelsCopy(const std::filesystem::path& dist) {
    std::filesystem::copy(dist / "Levels", folder_.path(), std::filesystem::copy_options::recursive);
  }
  const std::filesystem::path& path() const { return folder_.path(); }

 private:
  testing::TempFolder folder_;
};

}  // namespace brolt::solutions
