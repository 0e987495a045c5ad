#include "editor/ui/splash_window.h"

#include <gtest/gtest.h>

#include <QSysInfo>

#include "common/test_database.h"
#include "editor/model/about_text.h"
#include "editor/support/skinned_editor.h"
#include "editor/support/widget_events.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

class SplashWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::SetTestColorScheme(editor_);
    editor_.AppPath = BROLT_TEST_DIST_DIR;  // its picture, when the content has been generated
    splash_ = std::make_unique<SplashWindow>(editor_, [this] { return mainWindowVisible_; });
  }

  void OpenHelp(const std::string& rows) {
    {
      testing::RawDatabase raw(folder_ / "Define.qdm");
      raw.Execute("CREATE TABLE EditorHelp (HelpIndex, Body)");
      raw.Execute("INSERT INTO EditorHelp VALUES " + rows);
    }
    editor_.DefineDb = std::make_unique<Database>(folder_ / "Define.qdm");
  }

  testing::TempFolder folder_;
  Editor editor_;
  bool mainWindowVisible_ = false;
  std::unique_ptr<SplashWindow> splash_;
};

TEST_F(SplashWindowTest, FiveStepsFillTheBarAndNoMoreGrowIt) {
  EXPECT_EQ(splash_->ProgressWidth(), 0);
  for (int expected : {88, 176, 265, 353, 441, 441}) {
    splash_->UpdateSplashProgress();
    EXPECT_EQ(splash_->ProgressWidth(), expected);
  }
  EXPECT_EQ(SplashWindow::kFullBarWidth, 441);
}

TEST_F(SplashWindowTest, AClickClosesItOnlyOnceTheMainWindowIsVisible) {
  splash_->show();
  testing::Click(splash_.get(), {200, 100});
  EXPECT_TRUE(splash_->isVisible());
  EXPECT_EQ(splash_->cursor().shape(), Qt::WaitCursor);

  mainWindowVisible_ = true;
  splash_->SetPointer();
  EXPECT_EQ(splash_->cursor().shape(), Qt::ArrowCursor);
  testing::Click(splash_->VersionLabel(), {2, 2}, Qt::RightButton);  // labels too, any button
  EXPECT_FALSE(splash_->isVisible());
}

TEST_F(SplashWindowTest, TheAboutBoxShowsOnlyTheTopicKeyedExactlyAbout) {
  OpenHelp("('About', 'Wrong topic'), ('about', 'Brolt Editor, for building levels.')");
  splash_->MakeAboutBox();
  EXPECT_EQ(splash_->AboutLabel()->text(), "Brolt Editor, for building levels.");
  EXPECT_TRUE(splash_->IsAboutBox());
  EXPECT_TRUE(splash_->WebLabel()->isHidden());
  EXPECT_FALSE(splash_->AboutLabel()->isHidden());
}

TEST_F(SplashWindowTest, TheLabelsNameThisPlatformAndCarryNoAddresses) {
  if (QSysInfo::kernelType() == "linux") EXPECT_EQ(splash_->PlatformLabel()->text(), "Linux");
  EXPECT_FALSE(splash_->PlatformLabel()->text().isEmpty());
  EXPECT_TRUE(splash_->VersionLabel()->text().startsWith("Version "));
  for (const QLabel* label : splash_->Labels()) {
    for (const QString& text : {label->text(), label->toolTip()}) {
      for (const char* address : {"http", "www.", ".com", ".net", ".org", "@"})
        EXPECT_FALSE(text.contains(address)) << text.toStdString();
    }
  }
}

TEST_F(SplashWindowTest, KeepsPicturesOfTheSplashAndTheAboutBox) {
  splash_->show();
  splash_->UpdateSplashProgress();
  splash_->UpdateSplashProgress();
  splash_->SetLoadingText("Loading preferences...");
  EXPECT_TRUE(testing::SaveScreenshot(*splash_, "splash"));
  OpenHelp("('about', 'Brolt Editor builds the levels of Brolt: paint the cells, set the level''s properties and "
           "play it at once.')");
  SplashWindow about(editor_, [] { return true; });
  about.MakeAboutBox();
  about.show();
  EXPECT_TRUE(testing::SaveScreenshot(about, "about"));
}

}  // namespace
}  // namespace brolt::editor
