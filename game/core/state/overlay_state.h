#pragma once
// The words of the screens drawn over play and its pauses: the help page, the time-limit label's
// glide, the power-up icons' frame and the end screen's text.
#include <cstdint>
#include <optional>
#include <string>

namespace brolt {

struct OverlayState {
  // The help page shown (from 0); kept between visits of the help.
  std::int16_t HelpPage = 0;
  // Screen y of the "Time Limit" label. It glides down once after the program starts and stays.
  std::int32_t TimeLimitLabelY = 0;
  // Frame 1..8 of the held power-ups' icons; 0 until the first frame of play.
  std::int16_t HudIconFrame = 0;
  // The settings row "congrats", read as the end-of-collection screen opens and dropped when it
  // closes; empty when the row is missing.
  std::optional<std::string> CongratsText;
};

}  // namespace brolt
