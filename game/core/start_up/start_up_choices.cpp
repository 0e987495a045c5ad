#include "game/core/start_up/start_up_choices.h"

#include "common/numeric.h"
#include "common/random.h"

namespace brolt {

CommandLineRequest ReadCommandLine(const std::string& commandLine) {
  const std::size_t n = commandLine.size();
  if (n < 5 || ToLowerAscii(commandLine.substr(n - 5, 4)) != ".pak") return {commandLine, std::nullopt};
  CommandLineRequest request;
  const std::size_t separator = commandLine.find_last_of("\\/");
  if (separator != std::string::npos) request.offeredPack = commandLine.substr(separator + 1, n - 1 - (separator + 1));
  return request;
}

bool ChooseWindowed(bool developerMode, const std::string& commandLine, bool fullScreenAnswer) {
  return developerMode || !commandLine.empty() || !fullScreenAnswer;
}

std::uint32_t ChooseMenuColour(Random& random) {
  const int tone = static_cast<int>(random.Rnd() * 3);
  struct Range {
    double span, base;
  };
  // Blue, green and red are drawn in that order.
  static constexpr Range kTones[3][3] = {
      {{50, 50}, {100, 150}, {50, 50}},    // green
      {{100, 150}, {50, 50}, {50, 50}},    // blue
      {{100, 150}, {100, 150}, {150, 50}}, // light
  };
  std::int64_t parts[3];
  for (int i = 0; i < 3; ++i) parts[i] = RoundHalfEven(random.Rnd() * kTones[tone][i].span + kTones[tone][i].base);
  const auto blue = static_cast<std::uint32_t>(parts[0]);
  const auto green = static_cast<std::uint32_t>(parts[1]);
  const auto red = static_cast<std::uint32_t>(parts[2]);
  return red | (green << 8) | (blue << 16);
}

std::string PackOfferQuestion(const std::string& packFile) {
  return "Use '" + packFile + "' as a new default pack file? ";
}

}  // namespace brolt
