#pragma once
// DirectSound-style levels in hundredths of a decibel turned into SDL_mixer's linear steps.
namespace brolt {

// SDL_mixer's full channel volume (MIX_MAX_VOLUME) and full panning level.
constexpr int kMixerFullVolume = 128;
constexpr int kMixerFullPan = 255;

// 0 gives full volume, -600 half; every level above silence (-10000) keeps at least the quietest
// step, as quiet levels stay audible in DirectSound, though the mixer's steps end near -42 dB.
int MixerVolume(int hundredthsDb);

struct MixerPanning {
  int left = kMixerFullPan;
  int right = kMixerFullPan;
};

// A positive pan lowers the left channel by that many hundredths of a decibel, a negative one the
// right channel; the other channel stays at full level.
MixerPanning PanningLevels(int hundredthsDb);

}  // namespace brolt
