#pragma once
// What the rules tell the player when they can't do what he asked (a collection that can't be
// written), without stopping the game. The program shows a message box; tests record the texts.
#include <string>

namespace brolt {

class PlayerMessages {
 public:
  virtual ~PlayerMessages() = default;
  // Returns once the player has seen the text; play goes on afterwards.
  virtual void Tell(const std::string& text) = 0;
};

}  // namespace brolt
