#include "game/platform/message_box.h"

#include <SDL2/SDL.h>

#include <iostream>

namespace brolt {
namespace {

Uint32 IconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return SDL_MESSAGEBOX_INFORMATION;
    case MessageIcon::Warning:
      return SDL_MESSAGEBOX_WARNING;
    case MessageIcon::Error:
      return SDL_MESSAGEBOX_ERROR;
    case MessageIcon::None:
      break;
  }
  return 0;
}

void ReportUnshown(const std::string& title, const std::string& text) {
  std::cerr << title << ": " << text << '\n';
}

}  // namespace

void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) {
  if (SDL_ShowSimpleMessageBox(IconFlag(icon), title.c_str(), text.c_str(), nullptr) != 0) {
    ReportUnshown(title, text);
  }
}

bool AskYesNo(const std::string& title, const std::string& text) {
  constexpr int kYes = 1;
  constexpr int kNo = 0;
  const SDL_MessageBoxButtonData buttons[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kYes, "Yes"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kNo, "No"},
  };
  const SDL_MessageBoxData box = {0, nullptr, title.c_str(), text.c_str(), SDL_arraysize(buttons), buttons, nullptr};
  int pressed = kNo;
  if (SDL_ShowMessageBox(&box, &pressed) != 0) {
    ReportUnshown(title, text);
    return false;
  }
  return pressed == kYes;
}

}  // namespace brolt
