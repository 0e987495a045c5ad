#include "editor/model/services/help_pages.h"

#include <algorithm>

#include "common/numeric.h"
#include "editor/model/editor.h"
#include "editor/model/services/help_topics.h"
#include "editor/model/services/input_box.h"

namespace brolt::editor {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSearchEntryStart = "Find: \"";

std::string LinkLine(const std::string& header) { return "<" + header + ">" + std::string(kLineEnd); }

bool IsSeparator(std::string_view entry) { return entry.empty() || entry.substr(0, 3) == "---"; }

void ShowIndexPage(Editor& editor, HelpPages& pages) {
  OpenHelpTopics(editor);
  pages.TopicText = std::string(kHelpIndexEntry);
  pages.PageText.clear();
  for (const HelpTopic& topic : editor.help.Topics) {
    if (topic.Visible) pages.PageText += LinkLine(topic.Header.value_or(""));
  }
  AddRecentHelpTopic(pages, pages.TopicText);
}

// Shows the topic named in the topic box; a name that matches no topic leaves the page as it was.
void ShowNamedTopic(Editor& editor, HelpPages& pages) {
  if (const HelpTopic* topic = FindHelpTopicByHeader(editor.help, pages.TopicText)) {
    pages.PageText = topic->Body.value_or("");
  }
  AddRecentHelpTopic(pages, pages.TopicText);
}

void FillTopicList(Editor& editor, HelpPages& pages) {
  OpenHelpTopics(editor);
  pages.TopicList.assign(1, std::string(kHelpIndexEntry));
  for (const HelpTopic& topic : editor.help.Topics) {
    if (topic.Visible) pages.TopicList.push_back(topic.Header.value_or(""));
  }
}

bool Contains(const std::optional<std::string>& field, const std::string& lowered) {
  return field && ToLowerAscii(*field).find(lowered) != std::string::npos;
}

void RunSearch(Editor& editor, HelpPages& pages, const std::string& text) {
  const std::string lowered = ToLowerAscii(text);
  const std::vector<HelpTopic>& topics = editor.help.Topics;
  std::vector<bool> found(topics.size(), false);
  pages.PageText.clear();
  int count = 0;
  for (std::size_t i = 0; i < topics.size(); ++i) {
    if (topics[i].Visible && Contains(topics[i].Header, lowered)) {
      pages.PageText += LinkLine(*topics[i].Header);
      found[i] = true;
      ++count;
    }
  }
  // A topic without a header can't be linked to, so a body match of one is not listed.
  for (std::size_t i = 0; i < topics.size(); ++i) {
    if (!found[i] && topics[i].Visible && topics[i].Header && Contains(topics[i].Body, lowered)) {
      pages.PageText += LinkLine(*topics[i].Header);
      ++count;
    }
  }
  const std::string quoted = "\"" + text + "\"";
  AddRecentHelpTopic(pages, "Find: " + quoted);
  pages.TopicText = std::to_string(count) + " Topic(s) Found For: " + quoted;
  if (pages.PageText.empty()) pages.PageText = "No topics found.";
}

// Returns to a page named by an entry of the recent list: a search is run again, the index line
// shows the index, anything else is shown as a picked topic.
void ReturnToPage(Editor& editor, HelpPages& pages, const std::string& entry) {
  if (entry.rfind(kSearchEntryStart, 0) == 0) {
    std::string text = entry.substr(kSearchEntryStart.size());
    if (!text.empty() && text.back() == '"') text.pop_back();
    RunSearch(editor, pages, text);
  } else if (entry == kHelpIndexEntry) {
    ChooseHelpEntry(editor, pages, 0);
  } else {
    pages.TopicText = entry;
    ShowNamedTopic(editor, pages);
  }
}

std::string WithCrLf(std::string_view text) {
  std::string result;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') result += kLineEnd;
    else result += c;
  }
  return result;
}

}  // namespace

bool OpenHelpPage(Editor& editor, HelpPages& pages, std::string_view key) {
  if (pages.TopicList.empty()) FillTopicList(editor, pages);
  const std::vector<HelpTopic>& topics = editor.help.Topics;
  const HelpTopic* topic = key.empty() ? (topics.empty() ? nullptr : &topics.front())
                                       : FindHelpTopicByKey(editor.help, key);
  if (topic == nullptr) return false;
  if (key.empty()) {
    ChooseHelpEntry(editor, pages, 0);
    return true;
  }
  pages.TopicText = topic->Header.value_or("");
  pages.PageText = topic->Body.value_or("");
  AddRecentHelpTopic(pages, pages.TopicText);
  return true;
}

void ChooseHelpEntry(Editor& editor, HelpPages& pages, int entry) {
  const int count = static_cast<int>(pages.TopicList.size());
  if (entry < 0 || entry >= count) return;
  // Entry 0 is the index line, never a separator, so the walk ends there at the latest.
  while (entry != 0 && IsSeparator(pages.TopicList[static_cast<std::size_t>(entry)])) {
    entry = entry + 1 < count ? entry + 1 : 0;
  }
  if (entry == 0) {
    ShowIndexPage(editor, pages);
    return;
  }
  pages.TopicText = pages.TopicList[static_cast<std::size_t>(entry)];
  ShowNamedTopic(editor, pages);
}

void AddRecentHelpTopic(HelpPages& pages, std::string_view text) {
  std::erase_if(pages.Recent, [text](const std::string& entry) { return entry == text || entry.empty(); });
  if (!text.empty()) pages.Recent.insert(pages.Recent.begin(), std::string(text));
}

std::optional<HelpLinkSpan> HelpLinkAt(std::string_view page, int caret) {
  const int length = static_cast<int>(page.size());
  caret = std::min(caret, length);
  // Positions count from 1, as the caret counts the characters before it.
  auto at = [page](int position) { return page[static_cast<std::size_t>(position - 1)]; };
  int close = caret;
  while (close >= 1 && close <= length && at(close) != '>') ++close;
  const bool closed = close >= 1 && close <= length;
  for (int open = caret; open >= 1; --open) {
    if (at(open) == '>') return std::nullopt;
    if (at(open) == '<') {
      if (!closed) return std::nullopt;
      return HelpLinkSpan{open - 1, close - open + 1,
                          std::string(page.substr(static_cast<std::size_t>(open), static_cast<std::size_t>(close - open - 1)))};
    }
  }
  return std::nullopt;
}

std::optional<HelpLinkSpan> PickHelpLink(HelpPages& pages, std::string_view page, int caret) {
  std::optional<HelpLinkSpan> link = HelpLinkAt(page, caret);
  pages.HelpLink = link ? ToLowerAscii(link->header) : std::string();
  return link;
}

void FollowHelpLink(HelpPages& pages, Editor& editor) {
  if (pages.HelpLink.empty()) return;
  for (const HelpTopic& topic : editor.help.Topics) {
    if (topic.Header && ToLowerAscii(*topic.Header) == pages.HelpLink) {
      pages.TopicText = *topic.Header;
      pages.PageText = topic.Body.value_or("");
      AddRecentHelpTopic(pages, pages.TopicText);
      pages.HelpLink.clear();
      return;
    }
  }
  pages.TopicText = "Click Back to return to previous topic --->";
  pages.PageText = "Topic not found.";
}

void SearchHelpTopics(Editor& editor, HelpPages& pages) {
  if (!pages.TopicText.empty() && pages.TopicText.back() == '"') return;
  RunSearch(editor, pages, pages.TopicText);
}

void GoBackHelpPage(Editor& editor, HelpPages& pages) {
  if (pages.Recent.size() < 2) return;
  ReturnToPage(editor, pages, pages.Recent[1]);
}

void OpenRecentHelpPage(Editor& editor, HelpPages& pages, int entry) {
  if (entry < 0 || entry >= static_cast<int>(pages.Recent.size())) return;
  ReturnToPage(editor, pages, pages.Recent[static_cast<std::size_t>(entry)]);
}

bool SaveHelpTopic(Editor& editor, HelpPages& pages, std::string_view editedText) {
  if (!editor.DeveloperMode) return false;
  HelpTopic* topic = FindHelpTopicByHeader(editor.help, pages.TopicText);
  if (topic == nullptr) return false;
  const std::string name = ShowInputBox(editor, "Topic name:", *topic->Header, 0);
  if (name.empty()) return false;
  return UpdateHelpTopic(editor, *topic, name, WithCrLf(editedText));
}

}  // namespace brolt::editor
