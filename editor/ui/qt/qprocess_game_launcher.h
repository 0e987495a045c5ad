#pragma once
// Starts the game as a process of its own that outlives the editor's call.
#include "editor/model/services/game_launcher.h"

namespace brolt::editor {

class QProcessGameLauncher : public GameLauncher {
 public:
  std::string StartProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment) override;
};

}  // namespace brolt::editor
