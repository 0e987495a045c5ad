#include "tools/content/sounds/synth.h"

#include <algorithm>
#include <cmath>

namespace brolt::content {

namespace {

constexpr double kTwoPi = 6.283185307179586;

class NoiseSource {
 public:
  explicit NoiseSource(std::uint32_t seed) : state_(seed * 2654435761u + 0x6D2B79F5u) {}
  double Next() {  // uniform in -1..1
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ >> 8) * (2.0 / 16777216.0) - 1.0;
  }

 private:
  std::uint32_t state_;
};

double WaveValue(Wave wave, double phase) {  // phase in cycles
  double f = phase - std::floor(phase);
  switch (wave) {
    case Wave::Sine: return std::sin(kTwoPi * f);
    case Wave::Triangle: return 4.0 * std::abs(f - 0.5) - 1.0;
    case Wave::Square: return f < 0.5 ? 0.8 : -0.8;
    case Wave::Saw: return 2.0 * f - 1.0;
  }
  return 0;
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

SampleBuffer::SampleBuffer(int rate, double seconds, bool circular)
    : rate_(rate), circular_(circular), samples_(static_cast<std::size_t>(std::lround(seconds * rate)), 0.0) {}

void SampleBuffer::Add(std::size_t index, double value) {
  if (index < samples_.size()) samples_[index] += value;
  else if (circular_ && !samples_.empty()) samples_[index % samples_.size()] += value;
}

void SampleBuffer::AddBuffer(const SampleBuffer& other, double start, double gain) {
  auto first = static_cast<std::size_t>(std::lround(start * rate_));
  for (std::size_t i = 0; i < other.samples_.size(); ++i) Add(first + i, other.samples_[i] * gain);
}

void SampleBuffer::Normalise(double peak) {
  double loudest = 0;
  for (double s : samples_) loudest = std::max(loudest, std::abs(s));
  if (loudest <= 0) return;
  for (double& s : samples_) s *= peak / loudest;
}

double Envelope::At(double t, double duration) const {
  if (t < 0 || t >= duration) return 0;
  double level = t < attack ? t / attack : sustain + (1.0 - sustain) * std::exp(-(t - attack) / std::max(decay, 1e-6));
  double left = duration - t;
  if (left < release) level *= left / release;
  return level;
}

void AddTone(SampleBuffer& buffer, const Tone& tone) {
  int rate = buffer.rate();
  auto first = static_cast<std::size_t>(std::lround(tone.start * rate));
  auto count = static_cast<std::size_t>(std::lround(tone.duration * rate));
  double phase = 0;
  double ratio = tone.toHz / tone.fromHz;
  for (std::size_t i = 0; i < count; ++i) {
    double t = static_cast<double>(i) / rate;
    double hz = tone.fromHz * std::pow(ratio, t / tone.duration);
    hz *= 1.0 + tone.vibratoDepth * std::sin(kTwoPi * tone.vibratoHz * t);
    phase += hz / rate;
    buffer.Add(first + i, WaveValue(tone.wave, phase) * tone.volume * tone.envelope.At(t, tone.duration));
  }
}

void AddNoise(SampleBuffer& buffer, const NoiseBurst& noise) {
  int rate = buffer.rate();
  auto first = static_cast<std::size_t>(std::lround(noise.start * rate));
  auto count = static_cast<std::size_t>(std::lround(noise.duration * rate));
  NoiseSource source(noise.seed);
  double low = 0;
  double ratio = noise.toCutoff / noise.fromCutoff;
  for (std::size_t i = 0; i < count; ++i) {
    double t = static_cast<double>(i) / rate;
    double cutoff = noise.fromCutoff * std::pow(ratio, t / noise.duration);
    double alpha = 1.0 - std::exp(-kTwoPi * cutoff / rate);
    double white = source.Next();
    low += alpha * (white - low);
    double value = noise.highPass ? white - low : low;
    buffer.Add(first + i, value * noise.volume * noise.envelope.At(t, noise.duration));
  }
}

void AddPluck(SampleBuffer& buffer, double start, double duration, double hz, double volume, double damping,
              std::uint32_t seed) {
  int rate = buffer.rate();
  auto period = static_cast<std::size_t>(std::max(2L, std::lround(rate / hz)));
  std::vector<double> line(period);
  NoiseSource source(seed);
  for (double& s : line) s = source.Next();
  auto first = static_cast<std::size_t>(std::lround(start * rate));
  auto count = static_cast<std::size_t>(std::lround(duration * rate));
  Envelope fade{0.001, 1e9, 1.0, 0.01};
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t at = i % period, next = (i + 1) % period;
    double value = line[at];
    line[at] = damping * 0.5 * (line[at] + line[next]);
    buffer.Add(first + i, value * volume * fade.At(static_cast<double>(i) / rate, duration));
  }
}

double NoteHz(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

std::string EncodeWav(const SampleBuffer& buffer) {
  const auto& samples = buffer.samples();
  auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  auto rate = static_cast<std::uint32_t>(buffer.rate());
  std::string out = "RIFF";
  PutLittleEndian(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 1, 2);  // PCM
  PutLittleEndian(out, 1, 2);  // mono
  PutLittleEndian(out, rate, 4);
  PutLittleEndian(out, rate * 2, 4);
  PutLittleEndian(out, 2, 2);
  PutLittleEndian(out, 16, 2);
  out += "data";
  PutLittleEndian(out, dataBytes, 4);
  for (double s : samples) {
    auto value = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
    PutLittleEndian(out, static_cast<std::uint16_t>(value), 2);
  }
  return out;
}

}  // namespace brolt::content
