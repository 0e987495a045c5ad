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
  MixerPanning levels;
  if (pan > 0) levels.left = Attenuate(kMixerFullPan, -pan);
  if (pan < 0) levels.right = Attenuate(kMixerFullPan, pan);
  return levels;
}

}  // namespace brolt
