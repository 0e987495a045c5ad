#include "game/program/sdl_frame_host.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <iostream>

#include "game/core/state/game.h"
#include "game/core/view/camera.h"
#include "game/platform/gl_render_device.h"
#include "game/platform/sdl_keyboard.h"

namespace brolt {

void SdlFrameHost::PushScriptedKeys() {
  while (nextScriptedKey_ < hooks_.keys.size() && hooks_.keys[nextScriptedKey_].frame <= frames_) {
    const ScriptedKey& key = hooks_.keys[nextScriptedKey_++];
    if (!WindowInput::PushKey(key.key, key.down)) std::cerr << "brolt: the key script names no key '" << key.key << "'\n";
  }
}

void SdlFrameHost::ProcessWindowMessages() {
  PushScriptedKeys();
  input_.Poll(events_);
  for (const WindowEvent& event : events_)
    if (event.kind == WindowEvent::Kind::Quit) closed_ = true;
  DeliverWindowKeys(game_, events_);
  ReadHeldKeys(input_, held_);
}

void SdlFrameHost::BeginScene() {
  SetupMatrices(game_.camera, device_);
  device_.Clear();
}

void SdlFrameHost::EndScene() {
  ++frames_;
  const bool lastFrame = game_.flags.QuitRequested || closed_ ||
                         (hooks_.quitAfterFrames && frames_ >= *hooks_.quitAfterFrames);
  if (lastFrame && !hooks_.screenshot.empty()) device_.SaveFrame(hooks_.screenshot);
  device_.Present();
  if (clock_) clock_->NextFrame();
  else PaceFrame();
}

// Without a display that paces presenting, frames are held to the display's own rate: drawing
// more frames than the screen shows would only keep the processor busy.
void SdlFrameHost::PaceFrame() {
  if (device_.Context().PacedBySwap()) return;
  const std::uint64_t frequency = SDL_GetPerformanceFrequency();
  if (framePeriod_ == 0) framePeriod_ = frequency / static_cast<std::uint64_t>(device_.Context().RefreshRate());
  const std::uint64_t now = SDL_GetPerformanceCounter();
  if (nextFrame_ > now) SDL_Delay(static_cast<Uint32>((nextFrame_ - now) * 1000 / frequency));
  // Frames follow a steady beat; a frame that ran late starts the beat afresh rather than hurrying
  // the frames after it.
  nextFrame_ = std::max(nextFrame_, now) + framePeriod_;
}

}  // namespace brolt
