#pragma once
// The start-up's progress: the splash window's bar grows one step per loading stage, and a status
// line names the stage. The model counts the steps; the splash window only shows them.
#include <string_view>

namespace brolt::editor {

struct Editor;

constexpr int kSplashSteps = 5;              // the stages of a normal start-up
constexpr double kSplashBarFullWidth = 441;  // the bar's length once every stage has begun

struct SplashProgress {
  int Steps = 0;  // stages begun so far
};

// What the splash window shows. Defaults do nothing, so a start-up without a splash still runs.
class SplashDisplay {
 public:
  virtual ~SplashDisplay() = default;
  virtual void ShowProgress(double /*barWidth*/) {}
  virtual void ShowLoadingText(std::string_view /*text*/) {}
};

// An empty bar and "Loading editor...", before the splash is shown.
void StartSplashProgress(Editor& editor);

// One more stage begun: the bar grows by a fifth of its length, never past its frame.
void UpdateSplashProgress(Editor& editor);

// The status line under the bar.
void ShowLoadingText(Editor& editor, std::string_view text);

}  // namespace brolt::editor
