#include "common/temporary_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "common/file_io.h"

namespace brolt {

TemporaryFolder::TemporaryFolder() {
  std::error_code error;
  std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) base = "/tmp";
  std::string pattern = (base / "brolt-XXXXXX").string();
  if (!::mkdtemp(pattern.data()))
    throw FileError("Can't create a temporary folder in '" + base.string() + "': " + std::strerror(errno));
  path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace brolt
