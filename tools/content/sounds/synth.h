#pragma once
// A small synthesiser for the effects and the music: tones with pitch sweeps, filtered noise and
// plucked strings mixed into a buffer of samples, and 16-bit PCM wave files. Deterministic: noise
// comes from a seeded generator of our own.
#include <cstdint>
#include <string>
#include <vector>

namespace brolt::content {

enum class Wave { Sine, Triangle, Square, Saw };

// A mono buffer of samples in -1..1 at a fixed rate. When `circular`, whatever is mixed past the
// end comes round to the start, so that a looping buffer has no seam.
class SampleBuffer {
 public:
  SampleBuffer(int rate, double seconds, bool circular = false);

  int rate() const { return rate_; }
  double seconds() const { return static_cast<double>(samples_.size()) / rate_; }
  const std::vector<double>& samples() const { return samples_; }

  void Add(std::size_t index, double value);
  void AddBuffer(const SampleBuffer& other, double start, double gain);
  // Scales the buffer so that its loudest sample is `peak`.
  void Normalise(double peak);

 private:
  int rate_;
  bool circular_;
  std::vector<double> samples_;
};

// How a sound starts and ends: a linear attack, then an exponential decay toward `sustain` over
// `decay` seconds, then a linear release over the last `release` seconds of the note.
struct Envelope {
  double attack = 0.005;
  double decay = 0.1;
  double sustain = 1.0;
  double release = 0.01;
  double At(double t, double duration) const;
};

struct Tone {
  Wave wave = Wave::Sine;
  double start = 0, duration = 0.1;
  double fromHz = 440, toHz = 440;  // an exponential sweep
  double volume = 0.5;
  Envelope envelope;
  double vibratoHz = 0, vibratoDepth = 0;  // depth as a fraction of the pitch
};
void AddTone(SampleBuffer& buffer, const Tone& tone);

struct NoiseBurst {
  double start = 0, duration = 0.1;
  double volume = 0.5;
  double fromCutoff = 4000, toCutoff = 4000;  // a low-pass filter's cut-off, swept, in Hz
  bool highPass = false;                      // keep what lies above the cut-off instead
  Envelope envelope;
  std::uint32_t seed = 1;
};
void AddNoise(SampleBuffer& buffer, const NoiseBurst& noise);

// A plucked string (Karplus-Strong) of the given pitch and length.
void AddPluck(SampleBuffer& buffer, double start, double duration, double hz, double volume, double damping,
              std::uint32_t seed);

// The frequency of a note given as semitones from A4 (440 Hz).
double NoteHz(int semitonesFromA4);

// A RIFF/WAVE file of 16-bit mono PCM samples.
std::string EncodeWav(const SampleBuffer& buffer);

}  // namespace brolt::content
