#pragma once
// A message service that keeps every text told to the player, in order.
#include <string>
#include <vector>

#include "game/core/interfaces/player_messages.h"

namespace brolt::testing {

class RecordingMessages : public PlayerMessages {
 public:
  void Tell(const std::string& text) override { told.push_back(text); }

  std::vector<std::string> told;
};

}  // namespace brolt::testing
