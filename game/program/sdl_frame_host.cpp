#include "game/program/sdl_frame_host.h"

#include <SDL2/SDL.h>

#include <iostream>

#include "game/core/camera.h"
#include "game/core/game.h"
#include "game/platform/gl_render_device.h"
#include "game/platform/sdl_keyboard.h"

namespace brolt {

namespace {
// Without a display that paces presenting, frames are held to this rate rather than burning a core.
constexpr std::uint64_t kShortestFrameMs = 8;
}  // namespace

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

void SdlFrameHost::PaceFrame() {
  if (device_.Context().PacedBySwap()) return;
  const std::uint64_t now = SDL_GetTicks64();
  if (lastPresentTicks_ != 0 && now - lastPresentTicks_ < kShortestFrameMs)
    SDL_Delay(static_cast<Uint32>(kShortestFrameMs - (now - lastPresentTicks_)));
  lastPresentTicks_ = SDL_GetTicks64();
}

}  // namespace brolt
