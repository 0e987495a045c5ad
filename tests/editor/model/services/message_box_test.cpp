#include "editor/model/services/message_box.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/model/commands/error_report.h"
#include "editor/model/editor.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

TEST(ButtonLayoutFor, EachSetKeepsItsPlaces) {
  // Enter and the close answers are checked through the box itself in message_box_window_test.cpp.
  const std::pair<ButtonSet, std::array<std::string_view, 3>> cases[] = {
      {ButtonSet::OK, {"", "OK", ""}},
      {ButtonSet::YesNo, {"", "Yes", "No"}},
      {ButtonSet::OKCancel, {"", "OK", "Cancel"}},
      {ButtonSet::YesNoCancel, {"Yes", "No", "Cancel"}},
  };
  for (const auto& [set, captions] : cases) EXPECT_EQ(ButtonLayoutFor(set).captions, captions) << captions[1];
}

class IconDialogs : public testing::ScriptedDialogs {
 public:
  std::vector<bool> icon;
  void ShowErrorIcon(bool visible) override { icon.push_back(visible); }
};

TEST(ShowErrorMessage, ReportsWithTheErrorPictureAndOneOkButtonButPassesOverNoErrorAndErrorFourFiftyThree) {
  Editor editor;
  IconDialogs dialogs;
  editor.ui.dialogs = &dialogs;
  for (int number : {0, 453, 76}) ShowErrorMessage(editor, number, "Path not found", "The collection was not renamed.");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "ERROR:  Path not found. The collection was not renamed.");
  EXPECT_EQ(dialogs.messages[0].buttons, ButtonSet::OK);
  EXPECT_EQ(dialogs.icon, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace brolt::editor
