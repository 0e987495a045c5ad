#pragma once
// A fresh folder of this program's own under the system's temporary folder, removed with everything
// in it when the object goes away. Nothing outside it is ever touched.
#include <filesystem>

namespace brolt {

class TemporaryFolder {
 public:
  // Creates the folder, readable by this user only. Throws FileError when it cannot be created.
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace brolt
