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

// The messages of a game that has no message boxes of its own (a test, a tool): each text a line
// of standard error, so that nothing told is lost. It keeps no state.
PlayerMessages& StandardErrorMessages();

}  // namespace brolt
