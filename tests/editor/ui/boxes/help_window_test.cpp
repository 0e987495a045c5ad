#include "editor/ui/boxes/help_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "editor/support/fake_help_host.h"
#include "editor/support/help_database.h"
#include "editor/support/modal_script.h"
#include "editor/support/skinned_editor.h"
#include "editor/ui/boxes/help_page_view.h"
#include "editor/ui/boxes/message_box_window.h"
#include "editor/ui/boxes/qt_dialogs.h"
#include "editor/ui/qt/qt_colors.h"

namespace brolt::editor {
namespace {

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    database_.OpenInto(editor_);
    editor_.ui.dialogs = &dialogs_;
  }

  HelpWindow& Help() { return dialogs_.Help(); }
  std::string TopicText() { return Help().TopicBox()->currentText().toStdString(); }
  std::string PageText() { return Help().Page()->toPlainText().toStdString(); }

  // Where the first link naming `header` on the page is, a character into it.
  QPoint LinkAt(const QString& header) {
    HelpPageView* page = Help().Page();
    QTextCursor cursor = page->textCursor();
    cursor.setPosition(page->toPlainText().indexOf(QLatin1Char('<') + header + QLatin1Char('>')) + 2);
    return page->cursorRect(cursor).center();
  }

  testing::HelpDatabase database_{testing::SampleTopics()};
  Editor editor_;
  testing::FakeHelpHost host_;
  QtDialogs dialogs_{editor_, host_};
};

TEST_F(HelpWindowTest, OpensATopicByKeyCentredOverTheMainWindowReadOnly) {
  dialogs_.ShowHelpTopic("nosuchkey");
  EXPECT_FALSE(Help().isVisible());
  dialogs_.ShowHelpTopic("MINIMAP");
  EXPECT_TRUE(Help().isVisible());
  EXPECT_FALSE(Help().isModal());
  EXPECT_EQ(TopicText(), "Minimap");
  EXPECT_EQ(PageText(), "The small map.\nBack to <zoom>, or <Secret Page>, or <Nowhere>.");
  EXPECT_LE((Help().frameGeometry().center() - host_.frame.center()).manhattanLength(), 2);
  EXPECT_EQ(Help().size(), QSize(373, 390)) << "5595 x 5850 twips";
  EXPECT_TRUE(Help().Page()->isReadOnly());
  EXPECT_FALSE(Help().SaveButton()->isVisible());

  dialogs_.ShowHelpTopic("");
  EXPECT_EQ(Help().TopicBox()->count(), 7);
  EXPECT_EQ(Help().TopicBox()->itemText(6), "zoom");
  dialogs_.HideHelp();
  EXPECT_FALSE(dialogs_.HelpVisible());
}

TEST_F(HelpWindowTest, APressSelectsALinkWithItsBracketsTheReleaseFollowsItBackReturnsAndEnterSearches) {
  dialogs_.ShowHelpTopic("zoom");
  QWidget* page = Help().Page()->viewport();
  const QPoint link = LinkAt("Minimap");
  QTest::mousePress(page, Qt::LeftButton, {}, link);
  EXPECT_EQ(Help().Page()->textCursor().selectedText(), "<Minimap>");
  QTest::mouseRelease(page, Qt::LeftButton, {}, link);
  EXPECT_EQ(TopicText(), "Minimap");
  QTest::mouseClick(page, Qt::LeftButton, {}, LinkAt("Nowhere"));
  EXPECT_EQ(PageText(), "Topic not found.");
  QTest::mouseClick(Help().BackButton(), Qt::LeftButton);
  EXPECT_EQ(TopicText(), "zoom");
  Help().TopicBox()->setEditText("zoom");
  QTest::keyClick(Help().TopicBox()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(TopicText(), "4 Topic(s) Found For: \"zoom\"");
  EXPECT_EQ(PageText(), "<zoom>\n<Brush>\n<Getting Started>\n<Minimap>\n");
  EXPECT_TRUE(Help().isVisible());
}

// The designer types into the focused topic box and presses Enter there: the keys take the window's
// own path, through the combo box, not straight to its line.
TEST_F(HelpWindowTest, EnterTypedInFindTopicSearchesAndBackAndTheRecentListReturnFromTheResults) {
  struct Case {
    const char* typed;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* found;
  };
  for (const Case& c : {Case{"brush", Qt::Key_Return, Qt::NoModifier, "<Brush>\n"},
                        Case{"zoom", Qt::Key_Return, Qt::NoModifier, "<zoom>\n<Brush>\n<Getting Started>\n<Minimap>\n"},
                        Case{"brush", Qt::Key_Enter, Qt::KeypadModifier, "<Brush>\n"},
                        Case{"zoom", Qt::Key_Enter, Qt::KeypadModifier, "<zoom>\n<Brush>\n<Getting Started>\n<Minimap>\n"}}) {
    SCOPED_TRACE(std::string(c.typed) + (c.key == Qt::Key_Enter ? " keypad Enter" : " Return"));
    dialogs_.ShowHelpTopic("minimap");
    QApplication::setActiveWindow(&Help());
    Help().TopicBox()->setFocus();
    Help().TopicBox()->lineEdit()->selectAll();
    QWidget* typing = QApplication::focusWidget();
    ASSERT_NE(typing, nullptr);
    QTest::keyClicks(typing, c.typed);
    QTest::keyClick(typing, c.key, c.modifiers);
    const std::string heading = std::to_string(std::count(c.found, c.found + std::strlen(c.found), '\n')) +
                                " Topic(s) Found For: \"" + c.typed + "\"";
    EXPECT_EQ(TopicText(), heading);
    EXPECT_EQ(PageText(), c.found);
    EXPECT_TRUE(Help().isVisible());
    QTest::mouseClick(Help().BackButton(), Qt::LeftButton);
    EXPECT_EQ(TopicText(), "Minimap");
    EXPECT_EQ(PageText(), "The small map.\nBack to <zoom>, or <Secret Page>, or <Nowhere>.");
    QTest::mouseClick(Help().RecentButton(), Qt::LeftButton);
    QListWidget* list = Help().RecentList();
    ASSERT_GE(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Minimap");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(TopicText(), heading);
    EXPECT_EQ(PageText(), c.found);
    dialogs_.HideHelp();
  }
}

// Two searches in a row typed into the focused box: Enter on the result line searches no more, and
// Back repeats the first search.
TEST_F(HelpWindowTest, TwoSearchesInARowEnterOnTheResultLineSearchesNoMoreAndBackRepeatsTheFirst) {
  struct EnterKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  for (const EnterKey& enter : {EnterKey{"Return", Qt::Key_Return, Qt::NoModifier},
                                EnterKey{"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier}}) {
    dialogs_.ShowHelpTopic("minimap");
    QWidget* box = Help().focusWidget();
    ASSERT_EQ(box, Help().TopicBox()) << enter.name;
    const auto search = [&](const char* text) {
      QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(box, text);
      QTest::keyClick(box, enter.key, enter.modifiers);
    };
    const auto recent = [&] {
      std::vector<std::string> entries;
      for (int row = 0; row < std::min(Help().RecentList()->count(), 3); ++row)
        entries.push_back(Help().RecentList()->item(row)->text().toStdString());
      return entries;
    };
    search("paints");  // in no topic's name
    EXPECT_EQ(TopicText(), "1 Topic(s) Found For: \"paints\"") << enter.name;
    EXPECT_EQ(PageText(), "<Brush>\n") << enter.name;
    search("zoom");  // a topic's name, in the box's list
    EXPECT_EQ(TopicText(), "4 Topic(s) Found For: \"zoom\"") << enter.name;
    EXPECT_EQ(PageText(), "<zoom>\n<Brush>\n<Getting Started>\n<Minimap>\n") << enter.name;
    QTest::keyClick(box, enter.key, enter.modifiers);  // on the result line: no search again
    EXPECT_EQ(recent(), (std::vector<std::string>{"Find: \"zoom\"", "Find: \"paints\"", "Minimap"})) << enter.name;
    QTest::mouseClick(Help().BackButton(), Qt::LeftButton);
    EXPECT_EQ(TopicText(), "1 Topic(s) Found For: \"paints\"") << enter.name;
    EXPECT_EQ(PageText(), "<Brush>\n") << enter.name;
    EXPECT_EQ(recent(), (std::vector<std::string>{"Find: \"paints\"", "Find: \"zoom\"", "Minimap"})) << enter.name;
  }
}

// Return belongs to the control that has the keys; where that control does nothing with it, the
// window does nothing either. (Return in the topic box searches, as the search tests show.)
TEST_F(HelpWindowTest, ReturnDoesWhatTheFocusedControlDoesWithIt) {
  const std::string minimap = "The small map.\nBack to <zoom>, or <Secret Page>, or <Nowhere>.";
  const auto page = [](HelpWindow& help) -> QWidget* {
    QTest::mouseClick(help.Page()->viewport(), Qt::LeftButton, {}, help.Page()->cursorRect().center());
    return help.Page();
  };
  const auto recent = [](HelpWindow& help) -> QWidget* {
    QTest::mouseClick(help.RecentButton(), Qt::LeftButton);
    QTest::keyClick(help.RecentList(), Qt::Key_Down);
    return help.RecentList();
  };
  const auto back = [](HelpWindow& help) -> QWidget* { return help.BackButton(); };
  const struct {
    const char* where;
    bool developer;
    std::function<QWidget*(HelpWindow&)> focus;
    std::string topic, page;
  } cases[] = {{"read-only page", false, page, "Minimap", minimap},
               {"editable page", true, page, "Minimap", "\n" + minimap},
               {"recent list", false, recent, "Minimap", minimap},
               {"Back", false, back, "zoom", "Zoom in and out.\nSee <Minimap>."}};
  for (const auto& c : cases) {
    editor_.DeveloperMode = c.developer;
    dialogs_.UnloadDialogs();
    dialogs_.ShowHelpTopic("zoom");
    QTest::mouseClick(Help().Page()->viewport(), Qt::LeftButton, {}, LinkAt("Minimap"));
    QTest::keyClick(c.focus(Help()), Qt::Key_Return);
    EXPECT_EQ(TopicText(), c.topic) << c.where;
    EXPECT_EQ(PageText(), c.page) << c.where;
  }
}

TEST_F(HelpWindowTest, ATopicsNameTypedInFindTopicOpensNothingWhenTheFocusLeaves) {
  dialogs_.ShowHelpTopic("minimap");
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Help()));
  QWidget* box = Help().focusWidget();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, "zoom");
  Help().Page()->setFocus();
  EXPECT_EQ(TopicText(), "zoom");
  EXPECT_EQ(PageText(), "The small map.\nBack to <zoom>, or <Secret Page>, or <Nowhere>.");
  EXPECT_EQ(Help().RecentList()->item(0)->text(), "Minimap");
}

TEST_F(HelpWindowTest, TheRecentPanelListsEachPageOnceAndOpensTheOneClicked) {
  for (const char* key : {"zoom", "minimap", "zoom", "tools"}) dialogs_.ShowHelpTopic(key);
  QTest::mouseClick(Help().RecentButton(), Qt::LeftButton);
  EXPECT_TRUE(Help().RecentPanel()->isVisible());
  QListWidget* list = Help().RecentList();
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(2)->text(), "Minimap");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
  EXPECT_EQ(TopicText(), "Minimap");
  EXPECT_FALSE(Help().RecentPanel()->isVisible());

  // The panel goes when the keys leave its list for another control, and only then.
  QTest::mouseClick(Help().RecentButton(), Qt::LeftButton);
  QApplication::setActiveWindow(&Help());
  list->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }, 2000));
  EXPECT_TRUE(Help().RecentPanel()->isVisible());
  Help().BackButton()->setFocus();
  EXPECT_FALSE(Help().RecentPanel()->isVisible());
}

TEST_F(HelpWindowTest, HelpOverAMessageBoxOrABlockedMainWindowIsModal) {
  bool helpOverBox = false;
  testing::WhenModalShown([&](QWidget* box) {
    testing::WhenModalShown([&](QWidget* help) {
      helpOverBox = help == &Help() && TopicText() == "Brush";
      QTest::keyClick(help, Qt::Key_Escape);
    });
    QTest::mouseClick(dialogs_.MessageBox().HelpButton(), Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_EQ(dialogs_.ShowMessageBox("Pick a tool first.", ButtonSet::OK, "tools"), 1);
  EXPECT_TRUE(helpOverBox);

  host_.enabled = false;
  bool modal = false;
  testing::WhenModalShown([&](QWidget* window) {
    modal = window == &Help();
    QTest::mouseClick(Help().CloseButton(), Qt::LeftButton);
  });
  dialogs_.ShowHelpTopic("zoom");
  EXPECT_TRUE(modal);
  EXPECT_FALSE(Help().isVisible());
}

TEST_F(HelpWindowTest, InDeveloperModeSaveTopicAsksForTheNameAndWritesTheEditedPage) {
  editor_.DeveloperMode = true;
  dialogs_.ShowHelpTopic("zoom");
  ASSERT_TRUE(Help().SaveButton()->isVisible());
  Help().Page()->setPlainText("Zoom with the wheel.\nOr the menu");
  Help().Page()->moveCursor(QTextCursor::End);
  for (const QString& typed : {QString(QChar(0x20AC)), QString(".")})  // the euro sign is no single byte
    QTest::sendKeyEvent(QTest::Click, Help().Page(), Qt::Key_unknown, typed, {});
  // Pasted text keeps its line break and loses what a topic can't store.
  QApplication::clipboard()->setText(QString::fromUtf8("\r\nSee <Mini\u20ACmap>\x01."));
  QTest::keyClick(Help().Page(), Qt::Key_V, Qt::ControlModifier);
  testing::WhenModalShown([&](QWidget* box) {
    QTest::keyClicks(box->focusWidget(), "Zooming");
    QTest::keyClick(box->focusWidget(), Qt::Key_Return);
  });
  QTest::mouseClick(Help().SaveButton(), Qt::LeftButton);
  EXPECT_EQ(database_.Stored("Header", "zoom"), "Zooming");
  EXPECT_EQ(database_.Stored("Body", "zoom"), "Zoom with the wheel.\r\nOr the menu.\r\nSee <Minimap>.");
  EXPECT_TRUE(Help().isVisible()) << "asking for the name does not close the help window";
}

// The topic box stands on the dark grid colour, as the help window's other boxes do.
TEST_F(HelpWindowTest, TheTopicBoxStandsOnTheDarkGridColour) {
  testing::SetTestColorScheme(editor_);
  dialogs_.ShowHelpTopic("zoom");
  const QImage box = Help().TopicBox()->grab().toImage();
  EXPECT_EQ(box.pixelColor(box.width() - 30, 3), ColorFromText(editor_.prefs.GridDark));
}

}  // namespace
}  // namespace brolt::editor
