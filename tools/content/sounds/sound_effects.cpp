#include "tools/content/sounds/sound_effects.h"

#include <functional>

#include "tools/content/sounds/synth.h"

namespace brolt::content {

namespace {

constexpr int kEffectRate = 22050;

// Envelopes by name: a sharp hit that dies away, a short blip, and a soft swell.
Envelope Hit(double decay) { return {0.002, decay, 0.0, 0.01}; }
Envelope Blip() { return {0.003, 1.0, 1.0, 0.015}; }
Envelope Swell(double attack, double release) { return {attack, 1.0, 1.0, release}; }

void Crawl(SampleBuffer& b) {
  const double times[] = {0.0, 0.055, 0.11, 0.16};
  const double volumes[] = {0.5, 0.35, 0.45, 0.3};
  for (int i = 0; i < 4; ++i) {
    AddNoise(b, {times[i], 0.018, volumes[i], 3500, 3500, true, Hit(0.006), static_cast<std::uint32_t>(10 + i)});
  }
}

void SpiderDie(SampleBuffer& b) {
  AddNoise(b, {0, 0.32, 0.8, 2500, 250, false, Hit(0.12), 21});
  AddTone(b, {Wave::Saw, 0.0, 0.38, 320, 70, 0.35, Hit(0.15)});
}

void Explosion(SampleBuffer& b, std::uint32_t seed) {
  AddNoise(b, {0, 1.0, 1.0, 3500, 120, false, Hit(0.28), seed});
  AddTone(b, {Wave::Sine, 0, 0.7, 95, 32, 0.8, Hit(0.22)});
  AddNoise(b, {0.0, 0.25, 0.25, 4000, 4000, true, Hit(0.05), seed + 1});
}

void DoorOpen(SampleBuffer& b) {
  AddNoise(b, {0, 0.26, 0.45, 700, 2600, false, Swell(0.05, 0.08), 40});
  AddTone(b, {Wave::Square, 0.05, 0.2, 160, 240, 0.12, Swell(0.04, 0.06)});
  AddTone(b, {Wave::Sine, 0.27, 0.15, 130, 90, 0.7, Hit(0.05)});
  AddNoise(b, {0.27, 0.06, 0.4, 1500, 400, false, Hit(0.02), 41});
}

void ExitExplode(SampleBuffer& b) {
  Explosion(b, 50);
  AddTone(b, {Wave::Triangle, 0.05, 1.1, 900, 110, 0.3, Hit(0.45), 6, 0.02});
}

void Arpeggio(SampleBuffer& b, const std::vector<int>& notes, double step, double length, Wave wave, double volume) {
  for (std::size_t i = 0; i < notes.size(); ++i) {
    double hz = NoteHz(notes[i]);
    AddTone(b, {wave, i * step, length, hz, hz, volume, Hit(length * 0.45)});
  }
}

void ExitLevel(SampleBuffer& b) {
  Arpeggio(b, {3, 7, 10, 15, 19}, 0.1, 0.3, Wave::Triangle, 0.45);
  for (int note : {15, 19, 22}) {
    AddTone(b, {Wave::Triangle, 0.5, 0.7, NoteHz(note), NoteHz(note), 0.3, {0.01, 0.4, 0.3, 0.2}, 5, 0.006});
  }
}

void ExitOpen(SampleBuffer& b) {
  AddTone(b, {Wave::Sine, 0, 0.85, 280, 1150, 0.5, Swell(0.1, 0.3), 7, 0.02});
  for (int i = 0; i < 6; ++i) {
    double hz = NoteHz(15 + (i * 5) % 12 + 12);
    AddTone(b, {Wave::Sine, 0.15 + i * 0.1, 0.25, hz, hz, 0.18, Hit(0.08)});
  }
}

void GameOver(SampleBuffer& b) {
  const int notes[] = {-2, -3, -4};
  for (int i = 0; i < 3; ++i) {
    double hz = NoteHz(notes[i]);
    AddTone(b, {Wave::Square, i * 0.3, 0.28, hz, hz, 0.3, {0.01, 0.2, 0.6, 0.05}});
  }
  AddTone(b, {Wave::Square, 0.9, 0.55, NoteHz(-5), NoteHz(-6), 0.3, {0.01, 0.3, 0.6, 0.2}, 6, 0.015});
}

void GnatDie(SampleBuffer& b) {
  AddNoise(b, {0, 0.03, 0.7, 5000, 5000, false, Hit(0.01), 90});
  AddTone(b, {Wave::Sine, 0.01, 0.3, 1900, 380, 0.5, Hit(0.1)});
}

void GnatFly(SampleBuffer& b) {
  AddTone(b, {Wave::Saw, 0, 0.3, 175, 185, 0.35, Swell(0.04, 0.08), 28, 0.05});
  AddTone(b, {Wave::Saw, 0, 0.3, 350, 360, 0.12, Swell(0.04, 0.08), 31, 0.05});
}

void GrassCollect(SampleBuffer& b) {
  AddNoise(b, {0, 0.14, 0.6, 2200, 5000, true, {0.015, 0.04, 0.0, 0.02}, 110});
}

void KeyboardInput(SampleBuffer& b) {
  AddTone(b, {Wave::Square, 0, 0.03, 1250, 1250, 0.3, Hit(0.012)});
  AddNoise(b, {0, 0.012, 0.3, 6000, 6000, true, Hit(0.004), 120});
}

void MenuMove(SampleBuffer& b) { AddTone(b, {Wave::Sine, 0, 0.06, 880, 1320, 0.6, Blip()}); }

void MenuRefused(SampleBuffer& b) {
  AddTone(b, {Wave::Square, 0, 0.22, 140, 130, 0.3, Blip()});
  AddTone(b, {Wave::Square, 0, 0.22, 149, 139, 0.3, Blip()});
}

void MenuSelect(SampleBuffer& b) {
  AddTone(b, {Wave::Sine, 0, 0.07, 660, 660, 0.5, Blip()});
  AddTone(b, {Wave::Sine, 0.07, 0.13, 990, 990, 0.5, Hit(0.06)});
}

void PortalZoom(SampleBuffer& b) {
  AddNoise(b, {0, 0.45, 0.6, 400, 6000, false, Swell(0.12, 0.2), 160});
  AddTone(b, {Wave::Sine, 0, 0.45, 200, 1600, 0.3, Swell(0.08, 0.2)});
}

void PowerupCollect(SampleBuffer& b) { Arpeggio(b, {7, 11, 14, 19, 23}, 0.06, 0.2, Wave::Triangle, 0.4); }

void RockGenerator(SampleBuffer& b) {
  for (int i = 0; i < 4; ++i) {
    AddTone(b, {Wave::Square, i * 0.085, 0.07, 58, 52, 0.25, Hit(0.03)});
    AddNoise(b, {i * 0.085, 0.05, 0.3, 450, 300, false, Hit(0.02), static_cast<std::uint32_t>(180 + i)});
  }
}

void RockHit(SampleBuffer& b) {
  AddTone(b, {Wave::Sine, 0, 0.25, 120, 45, 0.9, Hit(0.07)});
  AddNoise(b, {0, 0.12, 0.6, 1100, 300, false, Hit(0.03), 190});
}

void RockPush(SampleBuffer& b) {
  for (int i = 0; i < 7; ++i) {
    AddNoise(b, {i * 0.045, 0.06, 0.5, 700, 500, false, {0.01, 0.03, 0.2, 0.01}, static_cast<std::uint32_t>(200 + i)});
  }
  AddTone(b, {Wave::Saw, 0, 0.32, 70, 60, 0.15, Swell(0.03, 0.08)});
}

void RockRoll(SampleBuffer& b) {
  for (int i = 0; i < 8; ++i) {
    AddNoise(b, {i * 0.05, 0.07, 0.5, 300, 220, false, {0.01, 0.04, 0.3, 0.02}, static_cast<std::uint32_t>(210 + i)});
  }
  AddTone(b, {Wave::Sine, 0, 0.42, 62, 55, 0.3, Swell(0.04, 0.12)});
}

void ThresherShoot(SampleBuffer& b) {
  AddTone(b, {Wave::Square, 0, 0.24, 1500, 180, 0.4, Hit(0.09)});
  AddNoise(b, {0, 0.03, 0.4, 7000, 7000, true, Hit(0.01), 220});
}

void TimeTicking(SampleBuffer& b) {
  AddTone(b, {Wave::Triangle, 0, 0.03, 2100, 2100, 0.5, Hit(0.01)});
  AddNoise(b, {0, 0.01, 0.4, 8000, 8000, true, Hit(0.003), 230});
}

void Chime(SampleBuffer& b, double start, double hz, double volume, double decay) {
  AddTone(b, {Wave::Sine, start, decay * 5, hz, hz, volume, Hit(decay)});
  AddTone(b, {Wave::Sine, start, decay * 3, hz * 2.76, hz * 2.76, volume * 0.35, Hit(decay * 0.5)});
}

void UnidCollect(SampleBuffer& b) {
  Chime(b, 0, NoteHz(19), 0.45, 0.07);
  Chime(b, 0.05, NoteHz(26), 0.4, 0.08);
}

void UnidCrack(SampleBuffer& b) {
  for (int i = 0; i < 3; ++i) {
    AddNoise(b, {i * 0.04, 0.03, 0.6 - i * 0.12, 3000, 3000, true, Hit(0.01), static_cast<std::uint32_t>(250 + i)});
  }
  Chime(b, 0.02, 2500, 0.3, 0.04);
}

void UnidExplode(SampleBuffer& b) {
  AddNoise(b, {0, 0.6, 0.5, 5000, 2000, true, Hit(0.15), 260});
  AddTone(b, {Wave::Sine, 0, 0.4, 110, 45, 0.6, Hit(0.12)});
  const double pings[] = {0.02, 0.07, 0.11, 0.18, 0.24, 0.33, 0.41, 0.52};
  const int notes[] = {31, 26, 35, 28, 33, 24, 30, 36};
  for (int i = 0; i < 8; ++i) Chime(b, pings[i], NoteHz(notes[i]), 0.22, 0.04);
}

void UnidHit(SampleBuffer& b) { Chime(b, 0, 2200, 0.5, 0.025); }

void UnidRoll(SampleBuffer& b) {
  const double times[] = {0.0, 0.08, 0.15, 0.24, 0.31};
  const double hz[] = {2600, 2100, 2900, 2300, 2750};
  for (int i = 0; i < 5; ++i) Chime(b, times[i], hz[i], 0.3 - i * 0.03, 0.02);
}

struct Effect {
  const char* name;
  double seconds;
  double peak;
  std::function<void(SampleBuffer&)> make;
};

}  // namespace

std::vector<NamedFile> SynthesiseEffects() {
  const Effect effects[] = {
      {"ARANEAE_CRAWL", 0.22, 0.45, Crawl},
      {"ARANEAE_DIE", 0.45, 0.8, SpiderDie},
      {"BOMB_EXPLODE", 1.1, 0.9, [](SampleBuffer& b) { Explosion(b, 30); }},
      {"DOOR_OPEN", 0.45, 0.75, DoorOpen},
      {"EXIT_EXPLODE", 1.3, 0.9, ExitExplode},
      {"EXIT_LEVEL", 1.25, 0.8, ExitLevel},
      {"EXIT_OPEN", 0.9, 0.75, ExitOpen},
      {"GAME_OVER", 1.5, 0.8, GameOver},
      {"GNAT_DIE", 0.35, 0.8, GnatDie},
      {"GNAT_FLY", 0.3, 0.4, GnatFly},
      {"GRASS_COLLECT", 0.15, 0.55, GrassCollect},
      {"KEYBOARD_INPUT", 0.05, 0.6, KeyboardInput},
      {"MENU_MOVE", 0.06, 0.6, MenuMove},
      {"MENU_NA", 0.25, 0.7, MenuRefused},
      {"MENU_SELECT", 0.2, 0.7, MenuSelect},
      {"PORTAL_ZOOM", 0.5, 0.75, PortalZoom},
      {"POWERUP_COLLECT", 0.5, 0.75, PowerupCollect},
      {"ROCK_GENERATOR", 0.35, 0.35, RockGenerator},
      {"ROCK_HIT", 0.3, 0.85, RockHit},
      {"ROCK_PUSH", 0.35, 0.6, RockPush},
      {"ROCK_ROLL", 0.45, 0.6, RockRoll},
      {"THRESHER_SHOOT", 0.3, 0.75, ThresherShoot},
      {"TIME_TICKING", 0.08, 0.7, TimeTicking},
      {"UNID_COLLECT", 0.4, 0.8, UnidCollect},
      {"UNID_CRACK", 0.3, 0.75, UnidCrack},
      {"UNID_EXPLODE", 0.9, 0.85, UnidExplode},
      {"UNID_HIT", 0.2, 0.7, UnidHit},
      {"UNID_ROLL", 0.4, 0.6, UnidRoll},
  };
  std::vector<NamedFile> files;
  for (const Effect& effect : effects) {
    SampleBuffer buffer(kEffectRate, effect.seconds);
    effect.make(buffer);
    buffer.Normalise(effect.peak);
    files.push_back({std::string(effect.name) + ".wav", EncodeWav(buffer)});
  }
  return files;
}

}  // namespace brolt::content
