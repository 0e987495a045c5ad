#pragma once
// What the help window shows and where the designer has been: the topic box with its list, the page,
// the recent pages, and the moves between pages (topics by key, the index, links, search, Back and
// the recent panel). The window mirrors this state; every rule lives here.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brolt::editor {

struct Editor;

// The topic list's first entry: it stands for the index page.
inline constexpr std::string_view kHelpIndexEntry = "     H E L P   I N D E X     ";

struct HelpPages {
  std::vector<std::string> TopicList;  // the index entry, then the visible headers
  std::string TopicText;               // the topic box's text, also the search text
  std::string PageText = "No help available.";  // lines end in CR LF
  std::vector<std::string> Recent;     // most recent first; entry 0 is the page on screen
  std::string HelpLink;                // the link under the last press, lower case
};

// A link around a caret: the characters selected (brackets included) and the header it names.
struct HelpLinkSpan {
  int start = 0;   // 0-based
  int length = 0;
  std::string header;  // as written, not lowered
};

// Opens the page of the topic with this key (any letter case; "" opens the index). Fills the topic
// list when it is empty. Returns false, changing no page, when no topic has the key.
bool OpenHelpPage(Editor& editor, HelpPages& pages, std::string_view key);

// The designer picked entry `entry` of the topic list: entry 0 shows the index, a separator
// ("---...") or empty entry moves on to the next entry (after the last, to the index).
void ChooseHelpEntry(Editor& editor, HelpPages& pages, int entry);

// Records a page as the most recent one; each page is listed once.
void AddRecentHelpTopic(HelpPages& pages, std::string_view text);

// The link around a caret of a page (the number of characters before it), if any.
std::optional<HelpLinkSpan> HelpLinkAt(std::string_view page, int caret);

// A press in the page: remembers the link under the caret, or none.
std::optional<HelpLinkSpan> PickHelpLink(HelpPages& pages, std::string_view page, int caret);

// A release in the page: opens the remembered link's topic (hidden topics too, any letter case), or
// shows "Topic not found." without touching the recent list.
void FollowHelpLink(HelpPages& pages, Editor& editor);

// Enter in the topic box: lists the visible topics whose header holds the text, then those whose
// body holds it. A result line (ending in a double quote) is not searched again.
void SearchHelpTopics(Editor& editor, HelpPages& pages);

// Back: returns to the page before the one on screen; nothing when there is none.
void GoBackHelpPage(Editor& editor, HelpPages& pages);

// Opens an entry of the recent list.
void OpenRecentHelpPage(Editor& editor, HelpPages& pages, int entry);

// Developer mode only: asks for the topic's name and writes it with the edited page text (lines
// ended by LF or CR LF) into the topic on screen. Returns whether a topic was saved.
bool SaveHelpTopic(Editor& editor, HelpPages& pages, std::string_view editedText);

}  // namespace brolt::editor
