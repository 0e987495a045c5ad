#include "editor/program/startup_failure.h"

#include <QMessageBox>
#include <cstdlib>
#include <iostream>
#include <string>

#include "editor/ui/qt/qt_text.h"

namespace brolt::editor {

namespace {

bool DialogsSuppressed() {
  const char* value = std::getenv("BROLT_NO_DIALOGS");
  return value != nullptr && std::string(value) == "1";
}

}  // namespace

int ReportStartupFailure(std::string_view message) {
  if (DialogsSuppressed()) {
    std::cerr << "brolt-editor: " << message << '\n';
  } else {
    QMessageBox::critical(nullptr, "Brolt Editor", ToQString(message) + ".\n\nThe editor can't start without it.");
  }
  return kStartupFailureStatus;
}

}  // namespace brolt::editor
