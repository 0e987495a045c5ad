#include "editor/model/help_pages.h"

#include <gtest/gtest.h>

#include "editor/support/help_database.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

using testing::HelpDatabase;
using testing::SampleTopics;

class HelpPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    database_.OpenInto(editor_);
    editor_.ui.dialogs = &dialogs_;
  }

  // Clicks the first link in the page that names `header` (as a press and a release would).
  void ClickLink(const std::string& header) {
    const std::size_t at = pages_.PageText.find("<" + header + ">");
    ASSERT_NE(at, std::string::npos) << header;
    PickHelpLink(pages_, pages_.PageText, static_cast<int>(at) + 2);
    FollowHelpLink(pages_, editor_);
  }

  HelpDatabase database_{SampleTopics()};
  Editor editor_;
  testing::ScriptedDialogs dialogs_;
  HelpPages pages_;
};

TEST_F(HelpPagesTest, OpensATopicByItsKeyInAnyLetterCase) {
  const std::pair<std::string, std::string> cases[] = {
      {"zoom", "zoom"}, {"MINIMAP", "Minimap"}, {"Secret", "Secret Page"}};
  for (const auto& [key, header] : cases) {
    ASSERT_TRUE(OpenHelpPage(editor_, pages_, key)) << key;
    EXPECT_EQ(pages_.TopicText, header);
    EXPECT_EQ(pages_.Recent.front(), header);
  }
  EXPECT_EQ(pages_.PageText, "Only by key or link.");
}

TEST_F(HelpPagesTest, AKeyWithoutATopicOpensNothing) {
  for (const std::string key : {"nosuchkey", "capital", "Capital"}) {
    EXPECT_FALSE(OpenHelpPage(editor_, pages_, key)) << key;
  }
  EXPECT_EQ(pages_.PageText, "No help available.");
  EXPECT_TRUE(pages_.Recent.empty());
}

TEST_F(HelpPagesTest, WithoutTopicsNotEvenTheIndexOpens) {
  HelpDatabase empty({});
  Editor editor;
  empty.OpenInto(editor);
  HelpPages pages;
  EXPECT_FALSE(OpenHelpPage(editor, pages, ""));
}

TEST_F(HelpPagesTest, TheIndexListsVisibleHeadersInOrderWithoutRegardToCase) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, ""));
  EXPECT_EQ(pages_.TopicText, kHelpIndexEntry);
  EXPECT_EQ(pages_.PageText,
            "<---- Tools ---->\r\n<Brush>\r\n<Capital Key>\r\n<Getting Started>\r\n<Minimap>\r\n<zoom>\r\n");
  const std::vector<std::string> list{std::string(kHelpIndexEntry), "---- Tools ----", "Brush", "Capital Key",
                                      "Getting Started", "Minimap", "zoom"};
  EXPECT_EQ(pages_.TopicList, list);
}

TEST_F(HelpPagesTest, PickingASeparatorMovesOnAndTheLastWrapsToTheIndex) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "zoom"));
  ChooseHelpEntry(editor_, pages_, 1);
  EXPECT_EQ(pages_.TopicText, "Brush");
  EXPECT_EQ(pages_.PageText, "Paints tiles; zoom first.");
  pages_.TopicList.push_back("---- end ----");
  ChooseHelpEntry(editor_, pages_, static_cast<int>(pages_.TopicList.size()) - 1);
  EXPECT_EQ(pages_.TopicText, kHelpIndexEntry);
}

TEST_F(HelpPagesTest, LinksOpenTopicsHiddenOrNotAndABrokenOneSaysSo) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "zoom"));
  ClickLink("Minimap");
  EXPECT_EQ(pages_.TopicText, "Minimap");
  ClickLink("Secret Page");
  EXPECT_EQ(pages_.TopicText, "Secret Page");
  EXPECT_EQ(pages_.Recent, (std::vector<std::string>{"Secret Page", "Minimap", "zoom"}));

  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "minimap"));
  ClickLink("Nowhere");
  EXPECT_EQ(pages_.PageText, "Topic not found.");
  EXPECT_EQ(pages_.TopicText, "Click Back to return to previous topic --->");
  EXPECT_EQ(pages_.Recent.front(), "Minimap") << "a broken link is not a page to return to";
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "Secret Page");
}

TEST_F(HelpPagesTest, AReleaseWithoutANewPressDoesNothing) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "zoom"));
  ClickLink("Minimap");
  pages_.PageText = "changed";
  FollowHelpLink(pages_, editor_);
  EXPECT_EQ(pages_.PageText, "changed");
}

TEST(HelpLinkAt, FindsTheLinkAroundTheCaretOnly) {
  const std::string page = "See <Brush> and <zoom>.";
  const struct {
    int caret;
    std::optional<std::pair<int, int>> selection;
    std::string header;
  } cases[] = {
      {0, std::nullopt, ""},
      {4, std::nullopt, ""},             // before the "<"
      {5, std::pair{4, 7}, "Brush"},     // just after the "<"
      {8, std::pair{4, 7}, "Brush"},     // inside
      {10, std::pair{4, 7}, "Brush"},    // before the ">"
      {11, std::nullopt, ""},            // just after the ">"
      {14, std::nullopt, ""},            // between links
      {19, std::pair{16, 6}, "zoom"},
      {99, std::nullopt, ""},
  };
  for (const auto& c : cases) {
    const std::optional<HelpLinkSpan> link = HelpLinkAt(page, c.caret);
    ASSERT_EQ(link.has_value(), c.selection.has_value()) << c.caret;
    if (!link) continue;
    EXPECT_EQ(std::pair(link->start, link->length), *c.selection) << c.caret;
    EXPECT_EQ(link->header, c.header) << c.caret;
  }
  EXPECT_FALSE(HelpLinkAt("unclosed <link", 12).has_value());
}

TEST_F(HelpPagesTest, SearchListsHeaderMatchesBeforeBodyMatchesEachOnce) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "tools"));
  pages_.TopicText = "ZOOM";
  SearchHelpTopics(editor_, pages_);
  // "zoom" is a header; Minimap, Brush and Getting Started hold it in their bodies; the hidden
  // topic is never listed.
  EXPECT_EQ(pages_.PageText, "<zoom>\r\n<Brush>\r\n<Getting Started>\r\n<Minimap>\r\n");
  EXPECT_EQ(pages_.TopicText, "4 Topic(s) Found For: \"ZOOM\"");
  EXPECT_EQ(pages_.Recent.front(), "Find: \"ZOOM\"");

  SearchHelpTopics(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "4 Topic(s) Found For: \"ZOOM\"") << "a result line is not searched again";

  pages_.TopicText = "by key or link";  // only the hidden topic holds it
  SearchHelpTopics(editor_, pages_);
  EXPECT_EQ(pages_.PageText, "No topics found.");
  EXPECT_EQ(pages_.TopicText, "0 Topic(s) Found For: \"by key or link\"");
}

TEST_F(HelpPagesTest, BackTogglesBetweenTheLastTwoPagesAndRepeatsASearch) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "zoom"));
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "tools"));
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "zoom");
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "Brush");

  pages_.TopicText = "map";
  SearchHelpTopics(editor_, pages_);
  ClickLink("Minimap");
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "2 Topic(s) Found For: \"map\"");
  EXPECT_EQ(pages_.PageText, "<Minimap>\r\n<zoom>\r\n");

  ChooseHelpEntry(editor_, pages_, 0);
  ClickLink("zoom");
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, kHelpIndexEntry);
}

TEST_F(HelpPagesTest, BackWithNoEarlierPageStays) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "zoom"));
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "zoom");
}

TEST_F(HelpPagesTest, RecentTopicsAreUniqueMostRecentFirst) {
  for (const std::string key : {"zoom", "minimap", "zoom", "zoom", "tools"}) OpenHelpPage(editor_, pages_, key);
  EXPECT_EQ(pages_.Recent, (std::vector<std::string>{"Brush", "zoom", "Minimap"}));
  OpenRecentHelpPage(editor_, pages_, 2);
  EXPECT_EQ(pages_.TopicText, "Minimap");
  EXPECT_EQ(pages_.Recent, (std::vector<std::string>{"Minimap", "Brush", "zoom"}));
  AddRecentHelpTopic(pages_, "");
  EXPECT_EQ(pages_.Recent.size(), 3u) << "an empty page is never recorded";
}

TEST_F(HelpPagesTest, AnEditedTopicIsSavedOnlyInDeveloperMode) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "zoom"));
  dialogs_.inputAnswers = {"Zooming"};
  EXPECT_FALSE(SaveHelpTopic(editor_, pages_, "New text"));
  EXPECT_TRUE(dialogs_.prompts.empty());
  EXPECT_EQ(database_.Stored("Body", "zoom"), "Zoom in and out.\r\nSee <Minimap>.");

  editor_.DeveloperMode = true;
  EXPECT_TRUE(SaveHelpTopic(editor_, pages_, "New text\nsecond line"));
  EXPECT_EQ(dialogs_.prompts, (std::vector<std::string>{"Topic name:"}));
  EXPECT_EQ(database_.Stored("Header", "zoom"), "Zooming");
  EXPECT_EQ(database_.Stored("Body", "zoom"), "New text\r\nsecond line");
  ChooseHelpEntry(editor_, pages_, 0);
  EXPECT_NE(pages_.PageText.find("<Zooming>"), std::string::npos) << "the index reads the topics again";
}

TEST_F(HelpPagesTest, SavingNeedsATopicOnScreenAndAName) {
  editor_.DeveloperMode = true;
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, ""));
  EXPECT_FALSE(SaveHelpTopic(editor_, pages_, "x")) << "the index is not a topic";
  EXPECT_TRUE(dialogs_.prompts.empty());
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "tools"));
  EXPECT_FALSE(SaveHelpTopic(editor_, pages_, "x")) << "a cancelled name saves nothing";
  EXPECT_EQ(database_.Stored("Body", "tools"), "Paints tiles; zoom first.");
}

TEST(OpenHelpTopics, AMissingTableIsReportedAndLeavesNoTopics) {
  testing::TempFolder folder;
  testing::RawDatabase(folder / "Define.qdm").Execute("CREATE TABLE Other (x)");
  Editor editor;
  editor.DefineDb = std::make_unique<Database>(folder / "Define.qdm");
  testing::ScriptedDialogs dialogs;
  editor.ui.dialogs = &dialogs;
  HelpPages pages;
  EXPECT_FALSE(OpenHelpPage(editor, pages, ""));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.rfind("ERROR:  ", 0), 0u);
}

}  // namespace
}  // namespace brolt::editor
