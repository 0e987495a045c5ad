#include "editor/model/services/help_topics.h"

#include <algorithm>

#include "common/numeric.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/editor.h"

namespace brolt::editor {

namespace {

constexpr const char* kHelpTable = "EditorHelp";

// Yes/No fields hold -1 for yes and 0 for no; only a stored 0 is False, and Null is not.
bool IsStoredFalse(const std::optional<std::string>& value) { return value && LeadingValue(*value) == 0; }

HelpTopic ReadTopic(const RowSet& rows) {
  HelpTopic topic;
  topic.Header = rows.Field("Header");
  topic.Body = rows.Field("Body");
  topic.HelpIndex = rows.Field("HelpIndex").value_or("");
  topic.Visible = IsStoredFalse(rows.Field("Hide"));
  topic.RowPosition = rows.Position();
  return topic;
}

// Ordered as a query "ORDER BY Header" gives them: Null headers first, then by header without
// regard to letter case; equal headers keep the table's order.
void SortByHeader(std::vector<HelpTopic>& topics) {
  std::stable_sort(topics.begin(), topics.end(), [](const HelpTopic& a, const HelpTopic& b) {
    if (!a.Header || !b.Header) return !a.Header && b.Header;
    return ToLowerAscii(*a.Header) < ToLowerAscii(*b.Header);
  });
}

}  // namespace

void OpenHelpTopics(Editor& editor) {
  HelpTopics& help = editor.help;
  help.Topics.clear();
  help.HelpRecordset.reset();
  if (!editor.DefineDb) return;
  try {
    auto rows = std::make_unique<RowSet>(*editor.DefineDb, kHelpTable);
    for (int position = 0; position < rows->Count(); ++position) {
      rows->SetPosition(position);
      help.Topics.push_back(ReadTopic(*rows));
    }
    help.HelpRecordset = std::move(rows);
  } catch (const DatabaseError& error) {
    help.Topics.clear();
    ShowErrorMessage(editor, error, "The help topics could not be read.");
  }
  SortByHeader(help.Topics);
}

const HelpTopic* FindHelpTopicByKey(const HelpTopics& help, std::string_view key) {
  const std::string lowered = ToLowerAscii(key);
  for (const HelpTopic& topic : help.Topics) {
    if (topic.HelpIndex == lowered) return &topic;
  }
  return nullptr;
}

HelpTopic* FindHelpTopicByHeader(HelpTopics& help, std::string_view header) {
  for (HelpTopic& topic : help.Topics) {
    if (topic.Header && *topic.Header == header) return &topic;
  }
  return nullptr;
}

bool UpdateHelpTopic(Editor& editor, HelpTopic& topic, const std::string& header, const std::string& body) {
  try {
    RowSet* rows = editor.help.HelpRecordset.get();
    if (rows == nullptr || !rows->SetPosition(topic.RowPosition)) throw DatabaseError("the topic's row is gone");
    rows->UpdateField("Body", body);
    rows->UpdateField("Header", header);
  } catch (const DatabaseError& error) {
    ShowErrorMessage(editor, error, "The help topic was not saved.");
    return false;
  }
  topic.Body = body;
  topic.Header = header;
  return true;
}

}  // namespace brolt::editor
