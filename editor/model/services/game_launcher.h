#pragma once
// Starting the game program beside the editor. The Qt layer starts a detached process; tests record
// the calls. The default starts nothing and reports success.
#include <filesystem>
#include <string>
#include <vector>

namespace brolt::editor {

class GameLauncher {
 public:
  virtual ~GameLauncher() = default;
  // Starts `program` with `arguments` and, added to the editor's own environment, the "NAME=value"
  // entries of `environment`, without waiting for it. Returns "" when it started, else the reason.
  virtual std::string StartProgram(const std::filesystem::path& /*program*/,
                                   const std::vector<std::string>& /*arguments*/,
                                   const std::vector<std::string>& /*environment*/) {
    return {};
  }
};

}  // namespace brolt::editor
