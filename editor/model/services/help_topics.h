#pragma once
// The help topics of table EditorHelp, held in memory in Header order (letter case ignored), with
// the open row set through which an edited topic is written back.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/database.h"

namespace brolt::editor {

struct Editor;

struct HelpTopic {
  std::optional<std::string> Header;
  std::optional<std::string> Body;   // lines end in CR LF; links are headers between "<" and ">"
  std::string HelpIndex;             // the key, stored in lower case; Null reads as ""
  bool Visible = false;              // Hide is exactly False: listed, indexed and searched
  int RowPosition = -1;              // the row in HelpRecordset
};

struct HelpTopics {
  std::unique_ptr<RowSet> HelpRecordset;
  std::vector<HelpTopic> Topics;
};

// Reads EditorHelp anew from DefineDb. Without a database there are no topics; a table that can't
// be read is reported and leaves no topics.
void OpenHelpTopics(Editor& editor);

// The topic whose key equals `key` in lower case; a key stored with capitals is never found.
const HelpTopic* FindHelpTopicByKey(const HelpTopics& help, std::string_view key);

// The first topic whose Header equals `header` exactly, letter case included.
HelpTopic* FindHelpTopicByHeader(HelpTopics& help, std::string_view header);

// Writes a topic's new header and body into its row and into memory; the order is kept until the
// topics are read again. Failures are reported; returns whether the row was written.
bool UpdateHelpTopic(Editor& editor, HelpTopic& topic, const std::string& header, const std::string& body);

}  // namespace brolt::editor
