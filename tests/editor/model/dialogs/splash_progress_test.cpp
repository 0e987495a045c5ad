#include "editor/model/dialogs/splash_progress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/test_database.h"
#include "editor/model/dialogs/about_text.h"
#include "editor/model/editor.h"
#include "support/temp_folder.h"

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
  EXPECT_EQ(splash.widths, (std::vector<double>{0, 88.2, 176.4, 264.6, 352.8, 441, 441}));
  EXPECT_EQ(splash.texts, std::vector<std::string>{"Loading editor..."});
}

// The about box showing the topic is checked in splash_window_test.cpp.
TEST(AboutTextTest, TakesTheFirstTopicKeyedExactlyAboutOrElseKeepsTheDesignText) {
  using Case = std::pair<const char*, const char*>;  // the rows of EditorHelp (none: no such table), the text
  for (const auto& [rows, text] : {Case{"('About', 'Capital'), ('about', 'Small'), ('about', 'Second')", "Small"},
                                   Case{"('About', 'Capital'), ('about ', 'Spaced')", kAboutDesignText},
                                   Case{"('index', 'Index')", kAboutDesignText},
                                   Case{nullptr, kAboutDesignText}}) {
    testing::TempFolder folder;
    testing::RawDatabase(folder / "Define.qdm")
        .Execute(rows ? std::string("CREATE TABLE EditorHelp (HelpIndex, Body); INSERT INTO EditorHelp VALUES ") + rows
                      : "CREATE TABLE Other (x)");
    Database database(folder / "Define.qdm");
    EXPECT_EQ(ReadAboutText(&database), text) << (rows ? rows : "no table");
  }
  EXPECT_EQ(ReadAboutText(nullptr), kAboutDesignText);
}

}  // namespace
}  // namespace brolt::editor
