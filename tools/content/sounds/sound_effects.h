#pragma once
// The game's 28 sound effects, synthesised, as the wave files the pack carries.
#include <string>
#include <vector>

namespace brolt::content {

struct NamedFile {
  std::string name;
  std::string bytes;
};

// The effects in the order of their sound numbers 1..28, each named as the game loads it.
std::vector<NamedFile> SynthesiseEffects();

}  // namespace brolt::content
