#pragma once
// Where the recorded solution of a level is kept: <solutions>/<collection>/<level, two digits>.keys
#include <filesystem>
#include <string>

namespace brolt::solutions {

inline std::filesystem::path SolutionFile(const std::filesystem::path& solutions, const std::string& collection,
                                          int level) {
  return solutions / collection / ((level < 10 ? "0" : "") + std::to_string(level) + ".keys");
}

}  // namespace brolt::solutions
