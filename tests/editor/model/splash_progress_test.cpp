#include "editor/model/splash_progress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/model/editor.h"

namespace brolt::editor {
namespace {

class RecordingSplash : public SplashDisplay {
 public:
  std::vector<double> widths;
  std::vector<std::string> texts;
  void ShowProgress(double width) override { widths.push_back(width); }
  void ShowLoadingText(std::string_view text) override { texts.emplace_back(text); }
};

TEST(UpdateSplashProgress, FiveStagesFillTheBarAndNoMoreOverflowIt) {
  Editor editor;
  RecordingSplash splash;
  editor.ui.splash = &splash;
  StartSplashProgress(editor);
  for (int step = 0; step < 6; ++step) UpdateSplashProgress(editor);
  const std::vector<double> expected = {0, 88.2, 176.4, 264.6, 352.8, 441, 441};
  ASSERT_EQ(splash.widths.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(splash.widths[i], expected[i], 1e-9) << i;
  EXPECT_EQ(splash.texts, std::vector<std::string>{"Loading editor..."});
  EXPECT_EQ(editor.splash.Steps, 6);
}

}  // namespace
}  // namespace brolt::editor
