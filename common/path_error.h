#pragma once
// Failures whose message names a file or a folder.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brolt {

// The message "<failure> '<path>'<rest>". The path is the file system's bytes and the rest is the
// program's own text, so a program that shows its messages in another encoding decodes the path
// and nothing else.
class PathError : public std::runtime_error {
 public:
  // A message that names no path.
  using std::runtime_error::runtime_error;
  PathError(std::string failure, const std::filesystem::path& path, std::string rest = {});

  // The message with the path as `shownPath` spells it.
  std::string Message(std::string (*shownPath)(std::string_view)) const;

 private:
  std::string failure_;
  std::string path_;
  std::string rest_;
};

}  // namespace brolt
