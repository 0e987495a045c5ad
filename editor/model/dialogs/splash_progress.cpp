#include "editor/model/dialogs/splash_progress.h"

#include <algorithm>

#include "editor/model/editor.h"

namespace brolt::editor {

void StartSplashProgress(Editor& editor) {
  editor.splash.Steps = 0;
  editor.ui.splash->ShowProgress(0);
  ShowLoadingText(editor, "Loading editor...");
}

void UpdateSplashProgress(Editor& editor) {
  ++editor.splash.Steps;
  editor.ui.splash->ShowProgress(
      std::min(kSplashBarFullWidth, editor.splash.Steps * kSplashBarFullWidth / kSplashSteps));
}

void ShowLoadingText(Editor& editor, std::string_view text) { editor.ui.splash->ShowLoadingText(text); }

}  // namespace brolt::editor
