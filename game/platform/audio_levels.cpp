#include "game/platform/audio_levels.h"

#include <algorithm>
#include <cmath>

#include "common/numeric.h"
#include "game/core/interfaces/audio_device.h"

namespace brolt {
namespace {

// full x 10^(dB / 20): the linear level of an attenuation in hundredths of a decibel.
int Attenuate(int full, int hundredthsDb) {
  const int level = std::clamp(hundredthsDb, kSilentVolume, kFullVolume);
  if (level == kSilentVolume) return 0;
  const auto scaled = RoundHalfEven(full * std::pow(10.0, level / 2000.0));
  return std::max(1, static_cast<int>(scaled));
}

}  // namespace

int MixerVolume(int hundredthsDb) { return Attenuate(kMixerFullVolume, hundredthsDb); }

MixerPanning PanningLevels(int hundredthsDb) {
  const int pan = std::clamp(hundredthsDb, -kPanLimit, kPanLimit);
  // Only the side away from the sound is lowered; the other stays at its full level, 0 dB.
  MixerPanning levels;
  levels.left = Attenuate(kMixerFullPan, std::min(-pan, 0));
  levels.right = Attenuate(kMixerFullPan, std::min(pan, 0));
  return levels;
}

}  // namespace brolt
