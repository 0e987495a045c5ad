#include "tools/content/sounds/music_tracks.h"

#include <array>
#include <cmath>
#include <functional>

#include "tools/content/sounds/synth.h"

namespace brolt::content {

namespace {

// ---- The menu music: eight bars in A minor at 96 beats a minute, rendered round a loop. ----

constexpr int kMenuRate = 22050;
constexpr double kBeat = 60.0 / 96.0, kBar = 4 * kBeat;

struct Chord {
  int bass;
  std::array<int, 3> tones;  // semitones from A4
};

const Chord kProgression[8] = {{-24, {-12, -9, -5}}, {-28, {-16, -12, -9}}, {-21, {-9, -5, -2}},
                               {-26, {-14, -10, -7}}, {-24, {-12, -9, -5}}, {-28, {-16, -12, -9}},
                               {-19, {-7, -4, 0}},     {-29, {-17, -13, -10}}};

// The tune, one note a beat in the second half and one every two beats in the first; 99 rests.
const int kTune[8][4] = {{12, 99, 7, 99}, {8, 99, 3, 99}, {7, 99, 10, 99}, {5, 99, 2, 99},
                         {7, 5, 3, 0},    {0, 3, 5, 8},   {5, 8, 12, 8},   {7, 2, -1, 2}};

NamedFile MenuMusic() {
  SampleBuffer music(kMenuRate, 8 * kBar, true);
  for (int bar = 0; bar < 8; ++bar) {
    const Chord& chord = kProgression[bar];
    double start = bar * kBar;
    for (int tone : chord.tones) {
      for (double detune : {0.997, 1.003}) {
        double hz = NoteHz(tone) * detune;
        AddTone(music, {Wave::Triangle, start, kBar + 0.6, hz, hz, 0.07, {0.35, 1.0, 1.0, 0.8}});
        AddTone(music, {Wave::Saw, start, kBar + 0.6, hz, hz, 0.018, {0.5, 1.0, 1.0, 0.8}});
      }
    }
    for (int beat : {0, 2}) {
      double hz = NoteHz(chord.bass);
      AddTone(music, {Wave::Sine, start + beat * kBeat, 1.1, hz, hz, 0.35, {0.01, 0.35, 0.3, 0.3}});
      AddTone(music, {Wave::Triangle, start + beat * kBeat, 0.9, hz, hz, 0.1, {0.01, 0.25, 0.2, 0.3}});
    }
    const int arpeggio[8] = {0, 1, 2, 1, 0, 2, 1, 2};
    for (int eighth = 0; eighth < 8; ++eighth) {
      double at = start + eighth * kBeat / 2;
      int tone = chord.tones[static_cast<std::size_t>(arpeggio[eighth])] + 12;
      AddPluck(music, at, 0.9, NoteHz(tone), 0.16, 0.996, static_cast<std::uint32_t>(bar * 8 + eighth + 1));
      if (eighth % 2 == 1) {
        AddNoise(music, {at, 0.05, 0.05, 7000, 7000, true, {0.002, 0.012, 0.0, 0.01}, static_cast<std::uint32_t>(500 + bar * 8 + eighth)});
      }
    }
    AddTone(music, {Wave::Sine, start, 0.3, 85, 40, 0.4, {0.003, 0.08, 0.0, 0.02}});
    for (int beat = 0; beat < 4; ++beat) {
      int note = kTune[bar][beat];
      if (note == 99) continue;
      double hz = NoteHz(note);
      double length = bar < 4 ? 2 * kBeat : kBeat;
      AddTone(music, {Wave::Sine, start + beat * kBeat, length + 0.25, hz, hz, 0.14, {0.03, 0.4, 0.55, 0.2}, 5, 0.004});
      AddTone(music, {Wave::Triangle, start + beat * kBeat, length + 0.25, hz * 2, hz * 2, 0.025, {0.03, 0.3, 0.4, 0.2}});
    }
  }
  music.Normalise(0.7);
  return {"menu.mus", EncodeWav(music)};
}

// ---- Mix tracks: sixteenth-note slices at 120 beats a minute, one slice per segment. ----

constexpr int kMixRate = 32000;
constexpr double kStep = 1.0 / 8.0;

void Kick(SampleBuffer& s) {
  AddTone(s, {Wave::Sine, 0, kStep, 120, 42, 0.9, {0.002, 0.06, 0.0, 0.01}});
}
void Snare(SampleBuffer& s, std::uint32_t seed) {
  AddNoise(s, {0, kStep, 0.55, 6000, 2500, false, {0.002, 0.04, 0.0, 0.01}, seed});
  AddTone(s, {Wave::Triangle, 0, 0.06, 210, 170, 0.3, {0.002, 0.03, 0.0, 0.01}});
}
void Hat(SampleBuffer& s, double length, std::uint32_t seed) {
  AddNoise(s, {0, length, 0.3, 7500, 7500, true, {0.001, length / 4, 0.0, 0.005}, seed});
}
void Bass(SampleBuffer& s, int note) {
  double hz = NoteHz(note);
  AddTone(s, {Wave::Triangle, 0, kStep, hz, hz, 0.55, {0.003, 0.09, 0.3, 0.015}});
  AddTone(s, {Wave::Square, 0, kStep, hz, hz, 0.08, {0.003, 0.05, 0.2, 0.015}});
}
void Stab(SampleBuffer& s, std::array<int, 3> notes) {
  for (int note : notes) {
    double hz = NoteHz(note);
    AddTone(s, {Wave::Saw, 0, kStep, hz, hz, 0.12, {0.003, 0.05, 0.15, 0.015}});
  }
}
void Pluck(SampleBuffer& s, int note, double volume, std::uint32_t seed) {
  AddPluck(s, 0, kStep, NoteHz(note), volume, 0.994, seed);
}
void Bell(SampleBuffer& s, int note) {
  double hz = NoteHz(note);
  AddTone(s, {Wave::Sine, 0, kStep, hz, hz, 0.4, {0.002, 0.06, 0.0, 0.01}});
  AddTone(s, {Wave::Sine, 0, kStep, hz * 2.76, hz * 2.76, 0.12, {0.002, 0.03, 0.0, 0.01}});
}

using Slice = std::function<void(SampleBuffer&)>;

struct MixTrack {
  const char* name;
  std::array<Slice, 8> palette;
  std::vector<int> groove;  // the slices after the first eight
};

NamedFile RenderMix(const MixTrack& track) {
  std::vector<int> order = {0, 1, 2, 3, 4, 5, 6, 7};
  order.insert(order.end(), track.groove.begin(), track.groove.end());
  SampleBuffer music(kMixRate, order.size() * kStep);
  std::array<SampleBuffer, 8> slices{
      SampleBuffer(kMixRate, kStep), SampleBuffer(kMixRate, kStep), SampleBuffer(kMixRate, kStep),
      SampleBuffer(kMixRate, kStep), SampleBuffer(kMixRate, kStep), SampleBuffer(kMixRate, kStep),
      SampleBuffer(kMixRate, kStep), SampleBuffer(kMixRate, kStep)};
  for (std::size_t i = 0; i < slices.size(); ++i) track.palette[i](slices[i]);
  for (std::size_t step = 0; step < order.size(); ++step) {
    music.AddBuffer(slices[static_cast<std::size_t>(order[step])], step * kStep, 1.0);
  }
  music.Normalise(0.8);
  return {track.name, EncodeWav(music)};
}

std::vector<int> Bars(std::initializer_list<std::initializer_list<int>> bars) {
  std::vector<int> steps;
  for (auto bar : bars) steps.insert(steps.end(), bar.begin(), bar.end());
  return steps;
}

MixTrack Deepvault() {
  return {"Deepvault.mix",
          {[](SampleBuffer& s) { Kick(s); Bass(s, -36); },
           [](SampleBuffer& s) { Hat(s, 0.04, 701); },
           [](SampleBuffer& s) { Snare(s, 702); Bass(s, -29); },
           [](SampleBuffer& s) { Hat(s, 0.04, 703); Bass(s, -24); },
           [](SampleBuffer& s) { Kick(s); Stab(s, {-12, -9, -5}); },
           [](SampleBuffer& s) { Hat(s, 0.11, 705); },
           [](SampleBuffer& s) { Hat(s, 0.04, 706); Bass(s, -33); },
           [](SampleBuffer& s) { Snare(s, 707); Stab(s, {-14, -10, -7}); }},
          Bars({{0, 1, 3, 1, 2, 1, 6, 1, 0, 1, 3, 5, 2, 1, 7, 1},
                {4, 1, 3, 1, 2, 5, 6, 1, 0, 3, 0, 1, 7, 1, 2, 5},
                {0, 1, 3, 1, 2, 1, 6, 1, 4, 1, 3, 5, 2, 1, 7, 7},
                {0, 5, 3, 1, 2, 1, 7, 5}})};
}

MixTrack Crystalline() {
  return {"Crystalline.mix",
          {[](SampleBuffer& s) { Kick(s); Pluck(s, -5, 0.5, 801); },
           [](SampleBuffer& s) { Hat(s, 0.05, 802); Pluck(s, 2, 0.45, 803); },
           [](SampleBuffer& s) { Snare(s, 804); Pluck(s, -1, 0.45, 805); },
           [](SampleBuffer& s) { Pluck(s, 7, 0.5, 806); },
           [](SampleBuffer& s) { Kick(s); Pluck(s, 4, 0.5, 807); },
           [](SampleBuffer& s) { Bell(s, 14); },
           [](SampleBuffer& s) { Hat(s, 0.05, 808); Pluck(s, -3, 0.45, 809); },
           [](SampleBuffer& s) { Snare(s, 810); Pluck(s, 7, 0.4, 811); Pluck(s, 14, 0.3, 812); }},
          Bars({{0, 3, 1, 5, 2, 3, 6, 1, 0, 5, 1, 3, 2, 6, 7, 1},
                {4, 3, 1, 5, 2, 1, 6, 5, 0, 3, 4, 1, 7, 5, 2, 3},
                {0, 3, 1, 5, 2, 3, 6, 1, 4, 5, 1, 3, 2, 6, 7, 7},
                {0, 1, 3, 5, 2, 6, 7, 5}})};
}

}  // namespace

int MixSegmentBytes(int sampleRate) { return sampleRate * 2 / 8; }

std::vector<NamedFile> ComposeMusic() {
  static_assert(kMixRate * 2 % 8 == 0, "a mix segment must be a whole number of samples");
  return {MenuMusic(), RenderMix(Deepvault()), RenderMix(Crystalline())};
}

}  // namespace brolt::content
