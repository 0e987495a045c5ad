#include "editor/model/services/message_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "common/database.h"
#include "common/file_io.h"

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

// The path a failure names is the file system's bytes and reads as names do; the rest of the report
// is the editor's single-byte text, even where it happens to look like UTF-8.
TEST(ShowErrorMessage, ReadsThePathAFailureNamesAndLeavesTheRestAsItIs) {
  const std::string utf8 = "/p/Gr\xC3\xB6\xC3\x9Ftes Level.clvl", title = "Caf\xC3\xA9";
  struct Case {
    const char* name;
    std::function<void(Editor&)> report;
    std::string text;
  };
  const Case cases[] = {
      {"a file", [&](Editor& editor) { ShowErrorMessage(editor, FileError("Can't write", utf8, ": Is a directory"), title); },
       "ERROR:  Can't write '/p/Gr\xF6\xDFtes Level.clvl': Is a directory. " + title},
      {"the database", [&](Editor& editor) { ShowErrorMessage(editor, DatabaseError("Can't open", "/Sch\xC3\xB6n/Define.qdm"), "."); },
       "ERROR:  Can't open '/Sch\xF6n/Define.qdm'. ."},
      {"no path", [&](Editor& editor) { ShowErrorMessage(editor, std::runtime_error(title), title); },
       "ERROR:  " + title + ". " + title},
      {"a description", [&](Editor& editor) { ShowErrorMessage(editor, "Level '" + title + "'", title); },
       "ERROR:  Level '" + title + "'. " + title},
  };
  for (const Case& c : cases) {
    Editor editor;
    testing::ScriptedDialogs dialogs;
    editor.ui.dialogs = &dialogs;
    c.report(editor);
    EXPECT_EQ(dialogs.LastMessage(), c.text) << c.name;
  }
}

}  // namespace
}  // namespace brolt::editor
