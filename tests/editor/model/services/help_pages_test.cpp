#include "editor/model/services/help_pages.h"

#include <gtest/gtest.h>

#include "editor/support/help_database.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

using testing::HelpDatabase;
using Lines = std::vector<std::string>;

// Following a link, a search's order, the recent panel and saving a page
// are checked through the window in help_window_test.cpp; these are the rules it does not reach.
class HelpPagesTest : public ::testing::Test {
 protected:
  HelpPagesTest() {
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

  HelpDatabase database_{testing::SampleTopics()};
  Editor editor_;
  testing::ScriptedDialogs dialogs_;
  HelpPages pages_;
};

// Keys are looked up in small letters, so a topic stored under the key "Capital" opens by none.
TEST_F(HelpPagesTest, OpensATopicByItsKeyInAnyLetterCaseAndNothingForAnUnknownKey) {
  const struct {
    std::string key, header, page;  // header "": nothing opens
  } cases[] = {{"nosuchkey", "", "No help available."}, {"capital", "", "No help available."},
               {"Capital", "", "No help available."},   {"zoom", "zoom", "Zoom in and out.\r\nSee <Minimap>."},
               {"Secret", "Secret Page", "Only by key or link."}};
  for (const auto& c : cases) {
    EXPECT_EQ(OpenHelpPage(editor_, pages_, c.key), !c.header.empty()) << c.key;
    EXPECT_EQ(pages_.PageText, c.page) << c.key;
    EXPECT_EQ(pages_.Recent.empty() ? "" : pages_.Recent.front(), c.header) << c.key;
  }
}

TEST(OpenHelpTopics, WithoutTopicsNotEvenTheIndexOpensAndAMissingTableIsReported) {
  for (const bool table : {true, false}) {
    HelpDatabase database({});
    if (!table) testing::RawDatabase(database.file()).Execute("DROP TABLE EditorHelp");
    Editor editor;
    database.OpenInto(editor);
    testing::ScriptedDialogs dialogs;
    editor.ui.dialogs = &dialogs;
    HelpPages pages;
    EXPECT_FALSE(OpenHelpPage(editor, pages, "")) << table;
    EXPECT_EQ(dialogs.LastMessage(), table ? "" : "ERROR:  Can't read table 'EditorHelp' of '" + database.file().string() +
                                                     "': no such table: EditorHelp. The help topics could not be read.");
  }
}

TEST_F(HelpPagesTest, TheIndexListsVisibleHeadersWithoutRegardToCaseAndASeparatorMovesOn) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, ""));
  EXPECT_EQ(pages_.PageText,
            "<---- Tools ---->\r\n<Brush>\r\n<Capital Key>\r\n<Getting Started>\r\n<Minimap>\r\n<zoom>\r\n");
  ChooseHelpEntry(editor_, pages_, 1);
  EXPECT_EQ(pages_.TopicText, "Brush");
  EXPECT_EQ(pages_.PageText, "Paints tiles; zoom first.");
  pages_.TopicList.push_back("---- end ----");  // the last separator wraps to the index
  ChooseHelpEntry(editor_, pages_, static_cast<int>(pages_.TopicList.size()) - 1);
  EXPECT_EQ(pages_.TopicText, kHelpIndexEntry);
}

TEST_F(HelpPagesTest, HiddenTopicsOpenByKeyOrLinkALinkOnlyOnANewPressAndABrokenOneIsNoPageToReturnTo) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "secret"));
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "zoom"));
  ClickLink("Minimap");
  ClickLink("Secret Page");
  EXPECT_EQ(pages_.Recent, (Lines{"Secret Page", "Minimap", "zoom"}));
  pages_.PageText = "changed";
  FollowHelpLink(pages_, editor_);  // a release without a new press
  EXPECT_EQ(pages_.PageText, "changed");

  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "minimap"));
  ClickLink("Nowhere");
  EXPECT_EQ(pages_.PageText, "Topic not found.");
  EXPECT_EQ(pages_.TopicText, "Click Back to return to previous topic --->");
  EXPECT_EQ(pages_.Recent.front(), "Minimap");
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "Secret Page");
}

TEST(HelpLinkAt, FindsTheLinkAroundTheCaretOnly) {
  const std::string page = "See <Brush> and <zoom>.";
  const auto selected = [&](int caret) {  // the characters the link selects, and the header it names
    const std::optional<HelpLinkSpan> link = HelpLinkAt(page, caret);
    return link ? page.substr(link->start, link->length) + " " + link->header : "";
  };
  for (const auto& [caret, link] : {std::pair{4, ""} /* before the "<" */, {5, "<Brush> Brush"}, {10, "<Brush> Brush"},
                                    {11, ""} /* after the ">" */, {14, ""}, {19, "<zoom> zoom"}, {99, ""}}) {
    EXPECT_EQ(selected(caret), link) << caret;
  }
  EXPECT_FALSE(HelpLinkAt("unclosed <link", 12).has_value());
}

TEST_F(HelpPagesTest, SearchIgnoresLetterCaseAndHiddenTopicsAResultLineIsNotSearchedAndBackRepeatsIt) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "tools"));
  pages_.TopicText = "ZOOM";
  SearchHelpTopics(editor_, pages_);
  SearchHelpTopics(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "4 Topic(s) Found For: \"ZOOM\"");

  pages_.TopicText = "by key or link";  // only the hidden topic holds it
  SearchHelpTopics(editor_, pages_);
  EXPECT_EQ(pages_.PageText, "No topics found.");
  EXPECT_EQ(pages_.TopicText, "0 Topic(s) Found For: \"by key or link\"");
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "4 Topic(s) Found For: \"ZOOM\"");
  EXPECT_EQ(pages_.PageText, "<zoom>\r\n<Brush>\r\n<Getting Started>\r\n<Minimap>\r\n");
}

TEST_F(HelpPagesTest, BackTogglesBetweenTheLastTwoPagesAndAnOpenedPageMovesToTheFront) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "zoom"));
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "zoom") << "no earlier page";
  for (const std::string key : {"minimap", "zoom", "tools"}) OpenHelpPage(editor_, pages_, key);
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "zoom");
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, "Brush");
  OpenRecentHelpPage(editor_, pages_, 2);
  EXPECT_EQ(pages_.Recent, (Lines{"Minimap", "Brush", "zoom"}));
  AddRecentHelpTopic(pages_, "");
  EXPECT_EQ(pages_.Recent.size(), 3u) << "an empty page is never recorded";

  ChooseHelpEntry(editor_, pages_, 0);
  ClickLink("zoom");
  GoBackHelpPage(editor_, pages_);
  EXPECT_EQ(pages_.TopicText, kHelpIndexEntry);
}

TEST_F(HelpPagesTest, ANamedTopicOnScreenIsSavedOnlyInDeveloperModeAndTheIndexReadsItAgain) {
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "zoom"));
  EXPECT_FALSE(SaveHelpTopic(editor_, pages_, "New text"));
  editor_.DeveloperMode = true;
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, ""));
  EXPECT_FALSE(SaveHelpTopic(editor_, pages_, "x")) << "the index is not a topic";
  EXPECT_TRUE(dialogs_.prompts.empty());
  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "tools"));
  EXPECT_FALSE(SaveHelpTopic(editor_, pages_, "x")) << "a cancelled name saves nothing";
  EXPECT_EQ(database_.Stored("Body", "tools"), "Paints tiles; zoom first.");

  ASSERT_TRUE(OpenHelpPage(editor_, pages_, "zoom"));
  dialogs_.inputAnswers = {"Zooming"};
  EXPECT_TRUE(SaveHelpTopic(editor_, pages_, "New text"));
  EXPECT_EQ(dialogs_.prompts, (Lines{"Topic name:", "Topic name:"}));
  ChooseHelpEntry(editor_, pages_, 0);
  EXPECT_NE(pages_.PageText.find("<Zooming>"), std::string::npos);
}

}  // namespace
}  // namespace brolt::editor
