#include "editor/ui/boxes/message_box_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

#include "editor/model/commands/error_report.h"
#include "editor/model/editor.h"
#include "editor/model/services/message_box.h"
#include "editor/support/fake_help_host.h"
#include "editor/support/keyboard_focus.h"
#include "editor/support/modal_script.h"
#include "editor/support/scripted_dialogs.h"
#include "editor/ui/boxes/qt_dialogs.h"

namespace brolt::editor {
namespace {

void Key(MessageBoxWindow& box, Qt::Key key) { QTest::keyClick(&box, key); }

// Asks, lets `act` look at and answer the shown box, and returns the answer.
int Ask(MessageBoxWindow& box, ButtonSet set, const std::function<void(MessageBoxWindow&)>& act,
        const std::string& help = "", const std::string& text = "Save the level?") {
  testing::WhenModalShown([&](QWidget*) { act(box); });
  const int answer = box.Ask(text, set, help);
  EXPECT_FALSE(box.isVisible());
  return answer;
}

TEST(MessageBoxWindow, EnterTakesTheDefaultButtonEscapeAndCloseTheCloseAnswerAndAClickItsOwn) {
  Editor editor;
  MessageBoxWindow box(editor);
  // Closing the window answers as Escape does.
  for (const auto& [set, enter, escape] : {std::tuple{ButtonSet::OK, 1, 1}, {ButtonSet::YesNo, 1, 2},
                                           {ButtonSet::OKCancel, 1, 2}, {ButtonSet::YesNoCancel, 0, 2}}) {
    const ButtonLayout layout = ButtonLayoutFor(set);
    const std::string name = std::string(layout.captions[0]).append(layout.captions[1]).append(layout.captions[2]);
    EXPECT_EQ(Ask(box, set, [&](MessageBoxWindow& b) {
                for (int i = 0; i < 3; ++i)
                  EXPECT_EQ(b.Button(i)->isVisible() ? b.Button(i)->text().toStdString() : "", layout.captions[i]) << i;
                Key(b, Qt::Key_Return);
              }), enter) << name;
    EXPECT_EQ(Ask(box, set, [](MessageBoxWindow& b) { Key(b, Qt::Key_Escape); }), escape) << name;
    EXPECT_EQ(Ask(box, set, [](MessageBoxWindow& b) { b.close(); }), escape) << name;
    for (int i = 0; i < 3; ++i)
      if (!layout.captions[i].empty()) {
        EXPECT_EQ(Ask(box, set, [i](MessageBoxWindow& b) { b.Button(i)->click(); }), i) << name;
      }
  }
}

// The designer who tabs to "No" and presses Return means No, whatever the default.
TEST(MessageBoxWindow, ReturnPressesTheButtonTabGaveTheKeysTo) {
  Editor editor;
  MessageBoxWindow box(editor);
  for (const ButtonSet set : {ButtonSet::OK, ButtonSet::YesNo, ButtonSet::OKCancel, ButtonSet::YesNoCancel}) {
    const ButtonLayout layout = ButtonLayoutFor(set);
    for (int i = 0; i < 3; ++i) {
      if (layout.captions[static_cast<std::size_t>(i)].empty()) continue;
      EXPECT_EQ(Ask(box, set, [i](MessageBoxWindow& b) {
                  EXPECT_TRUE(testing::TabTo(b, b.Button(i)));
                  testing::PressKey(b, Qt::Key_Return);
                }), i) << layout.captions[static_cast<std::size_t>(i)];
    }
  }
}

TEST(MessageBoxWindow, ShowsTheTextOnceUpAndTheHelpButtonOnlyWithAKeyLeavingTheBoxOpen) {
  Editor editor;
  testing::ScriptedDialogs dialogs;
  editor.ui.dialogs = &dialogs;
  MessageBoxWindow box(editor);
  Ask(box, ButtonSet::OK, [](MessageBoxWindow& b) {
    EXPECT_NEAR(b.windowOpacity(), 230 / 255.0, 0.01);  // asked at 0 till the box is up
    EXPECT_EQ(b.MessageLabel()->text(), QString::fromUtf8("ERROR:  Disk full. Café"));
    EXPECT_FALSE(b.HelpButton()->isVisible());
    Key(b, Qt::Key_Return);
  }, "", "ERROR:  Disk full. Caf\xE9");
  EXPECT_EQ(box.size(), QSize(296, 192)) << "4440 x 2880 twips";
  Ask(box, ButtonSet::YesNo, [](MessageBoxWindow& b) {
    ASSERT_TRUE(b.HelpButton()->isVisible());
    QTest::mouseClick(b.HelpButton(), Qt::LeftButton);
    EXPECT_TRUE(b.isVisible());
    Key(b, Qt::Key_Escape);
  }, "xopastemode");
  EXPECT_EQ(dialogs.helpTopics, (std::vector<std::string>{"xopastemode"}));
}

// Through the editor's own boxes, as an error report shows them: the icon beside the text of the
// error only.
TEST(MessageBoxWindow, AnErrorShowsTheErrorIconBesideItsTextAndTheNextMessageNone) {
  Editor editor;
  testing::FakeHelpHost host;
  QtDialogs dialogs(editor, host);
  editor.ui.dialogs = &dialogs;
  for (const bool error : {true, false}) {
    bool iconShown = !error;
    int textLeft = 0;
    testing::WhenModalShown([&](QWidget* shown) {
      auto& box = static_cast<MessageBoxWindow&>(*shown);
      iconShown = box.ErrorIcon()->isVisible();
      textLeft = box.MessageLabel()->x() - box.ErrorIcon()->geometry().right();
      Key(box, Qt::Key_Return);
    });
    if (error) {
      ShowErrorMessage(editor, "Disk full", "Cannot save the level.");
    } else {
      ShowMessageBox(editor, "Level saved.", ButtonSet::OK, "");
    }
    EXPECT_EQ(iconShown, error);
    if (error) { EXPECT_GT(textLeft, 0) << "the text starts right of the icon"; }
  }
}

}  // namespace
}  // namespace brolt::editor
