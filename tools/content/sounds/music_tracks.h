#pragma once
// The music of the Music folder: "menu.mus", a wave file that loops without a seam, and the mix
// tracks. The game plays a mix track as random runs of its first eight segments, each one eighth of
// the track's byte rate long, repeated two or four times; so each mix track here is a groove of
// self-contained sixteenth-note slices, whose first eight slices are its whole palette and stand
// at the exact segment boundaries, and whose rest is a composed loop of the same slices.
#include <vector>

#include "tools/content/sounds/sound_effects.h"

namespace brolt::content {

// "menu.mus" first, then the "*.mix" tracks.
std::vector<NamedFile> ComposeMusic();

// The byte length of one mix segment for a track of this sample rate (16-bit mono).
int MixSegmentBytes(int sampleRate);

}  // namespace brolt::content
