#include "game/core/interfaces/player_messages.h"

#include <iostream>

namespace brolt {

namespace {

class StandardErrorLines final : public PlayerMessages {
 public:
  void Tell(const std::string& text) override { std::cerr << "brolt: " << text << std::endl; }
};

}  // namespace

PlayerMessages& StandardErrorMessages() {
  static StandardErrorLines messages;
  return messages;
}

}  // namespace brolt
