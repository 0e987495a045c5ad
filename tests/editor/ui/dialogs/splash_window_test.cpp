#include "editor/ui/dialogs/splash_window.h"

#include "editor/ui/dialogs/property_commands.h"

#include <gtest/gtest.h>

#include <QSysInfo>

#include "common/test_database.h"
#include "editor/support/modal_script.h"
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

  // Every label holds its whole text in the font it is drawn in.
  void ExpectNoLabelCutsItsText() const {
    for (const QLabel* label : splash_->Labels()) {
      const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
      const QRect drawn = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
      EXPECT_TRUE(label->contentsRect().contains(drawn)) << label->text().toStdString();
    }
  }

  testing::TempFolder folder_;
  Editor editor_;
  bool mainWindowVisible_ = false;
  std::unique_ptr<SplashWindow> splash_;
};

TEST_F(SplashWindowTest, TheBarFillsToItsFrameAndTheLabelsNameThisPlatformWholeWithNoAddresses) {
  splash_->show();
  // Five steps fill the bar in whole pixels; the sixth, one more than fills it, leaves it full.
  EXPECT_EQ(splash_->ProgressWidth(), 0);
  for (int expected : {88, 176, 265, 353, 441, 441}) {
    splash_->UpdateSplashProgress();
    EXPECT_EQ(splash_->ProgressWidth(), expected);
  }
  splash_->SetLoadingText("Loading preferences...");
  EXPECT_TRUE(testing::SaveScreenshot(*splash_, "splash"));
  // A grey frame runs round the splash a pixel in from its edge.
  EXPECT_EQ(splash_->grab().toImage().pixelColor(200, 1), QColor(192, 192, 192));
  // The full bar: one row of pixels at 221 from 16 to 456, inside its frame.
  const QImage shown = splash_->grab().toImage();
  for (const auto& [x, y, bar] :
       {std::tuple{16, 221, true}, {456, 221, true}, {16, 220, false}, {16, 222, false}, {457, 221, false}})
    EXPECT_EQ(shown.pixelColor(x, y).name() == "#e0e0e0", bar) << x << "," << y;
  // Right-aligned, so a label that had to grow for this font keeps its designed right edge.
  for (const auto& [label, designed] : {std::pair{splash_->VersionLabel(), QRect(406, 190, 49, 16)},
                                        {splash_->CopyrightLabel(), QRect(344, 252, 126, 11)}}) {
    EXPECT_TRUE(label->geometry().contains(designed)) << label->text().toStdString();
    EXPECT_EQ(label->geometry().topRight(), designed.topRight()) << label->text().toStdString();
  }
  ExpectNoLabelCutsItsText();

  if (QSysInfo::kernelType() == "linux") { EXPECT_EQ(splash_->PlatformLabel()->text(), "Linux"); }
  EXPECT_FALSE(splash_->PlatformLabel()->text().isEmpty());
  EXPECT_TRUE(splash_->VersionLabel()->text().startsWith("Version "));
  for (const QLabel* label : splash_->Labels()) {
    for (const QString& text : {label->text(), label->toolTip()}) {
      for (const char* address : {"http", "www.", ".com", ".net", ".org", "@"})
        EXPECT_FALSE(text.contains(address)) << text.toStdString();
    }
  }
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

TEST_F(SplashWindowTest, TheAboutBoxShowsTheAboutTopicInsteadOfTheWebLabel) {
  const std::string about = "Brolt Editor builds the levels of Brolt: paint the cells, set the properties of a level "
                            "and play it at once.";
  testing::RawDatabase(folder_ / "Define.qdm")
      .Execute("CREATE TABLE EditorHelp (HelpIndex, Body); INSERT INTO EditorHelp VALUES ('about', '" + about + "')");
  editor_.DefineDb = std::make_unique<Database>(folder_ / "Define.qdm");
  splash_->MakeAboutBox();
  splash_->show();
  EXPECT_EQ(splash_->AboutLabel()->text().toStdString(), about);
  EXPECT_TRUE(splash_->WebLabel()->isHidden());
  EXPECT_TRUE(splash_->LoadingLabel()->isHidden()) << "nothing is loading once the editor runs";
  // The About box's frame takes the border colour, as the editor's boxes do.
  EXPECT_EQ(splash_->grab().toImage().pixelColor(200, 1), QColor(60, 90, 160));
  EXPECT_FALSE(splash_->AboutLabel()->isHidden());
  ExpectNoLabelCutsItsText();
  EXPECT_TRUE(testing::SaveScreenshot(*splash_, "about"));
}

// The About box opens over a standing main window, so the designer's first click closes it.
TEST_F(SplashWindowTest, TheAboutBoxClosesAtTheFirstClick) {
  bool stayed = false;
  testing::WhenModalShown([&](QWidget* about) {
    testing::Click(about, {200, 100});
    stayed = about->isVisible();
    if (stayed) static_cast<QDialog*>(about)->reject();
  });
  RunAboutBox(editor_, nullptr);
  EXPECT_FALSE(stayed);
}

}  // namespace
}  // namespace brolt::editor
