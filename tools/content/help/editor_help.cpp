#include "tools/content/help/editor_help.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>

#include "common/numeric.h"

namespace brolt::content {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

[[noreturn]] void Fail(int lineNumber, const std::string& what) {
  throw std::runtime_error("editor_help.txt line " + std::to_string(lineNumber) + ": " + what);
}

bool IsHelpKey(std::string_view key) {
  return std::find(kEditorHelpKeys.begin(), kEditorHelpKeys.end(), key) != kEditorHelpKeys.end();
}

// Adds one line of the data file to a body: paragraphs are joined lines, "- " lines stand alone.
void AppendBodyLine(std::string& body, bool& paragraphOpen, const std::string& line) {
  if (line.empty()) {
    if (paragraphOpen) body += kLineEnd;
    paragraphOpen = false;
    return;
  }
  if (!body.empty()) body += paragraphOpen && !line.starts_with("- ") ? " " : std::string(kLineEnd);
  body += line;
  paragraphOpen = true;
}

HelpTopic StartTopic(const std::string& line, int lineNumber) {
  const std::size_t bar = line.find('|');
  if (bar == std::string::npos) Fail(lineNumber, "a topic line needs a key and a header");
  HelpTopic topic{TrimSpaces(line.substr(1, bar - 1)), TrimSpaces(line.substr(bar + 1)), ""};
  if (topic.key.empty() || topic.header.empty()) Fail(lineNumber, "a topic line needs a key and a header");
  if (!IsHelpKey(topic.key)) Fail(lineNumber, "'" + topic.key + "' is not a help key of the editor");
  return topic;
}

void CheckLinks(const std::vector<HelpTopic>& topics, const std::set<std::string>& headers) {
  for (const HelpTopic& topic : topics) {
    for (std::size_t open = topic.body.find('<'); open != std::string::npos; open = topic.body.find('<', open + 1)) {
      const std::size_t close = topic.body.find('>', open);
      const std::string target =
          topic.body.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
      if (!headers.contains(target)) {
        throw std::runtime_error("editor_help.txt: topic '" + topic.header + "' links to '" + target +
                                 "', which no topic has");
      }
    }
  }
}

}  // namespace

std::vector<HelpTopic> ParseEditorHelp(const std::string& text) {
  std::vector<HelpTopic> topics;
  std::set<std::string> keys, headers;
  std::stringstream stream(text);
  std::string line;
  int lineNumber = 0;
  bool paragraphOpen = false;
  auto finishTopic = [&] {
    if (!topics.empty() && topics.back().body.empty())
      Fail(lineNumber, "topic '" + topics.back().key + "' has no text");
  };
  while (std::getline(stream, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("#")) continue;
    if (line.starts_with("@")) {
      finishTopic();
      HelpTopic topic = StartTopic(line, lineNumber);
      if (!keys.insert(topic.key).second) Fail(lineNumber, "a second topic for '" + topic.key + "'");
      if (!headers.insert(topic.header).second) Fail(lineNumber, "a second topic called '" + topic.header + "'");
      topics.push_back(std::move(topic));
      paragraphOpen = false;
      continue;
    }
    const std::string trimmed = TrimSpaces(line);
    if (topics.empty()) {
      if (!trimmed.empty()) Fail(lineNumber, "text before the first topic");
      continue;
    }
    AppendBodyLine(topics.back().body, paragraphOpen, trimmed);
  }
  finishTopic();
  for (HelpTopic& topic : topics) {
    while (topic.body.ends_with(kLineEnd)) topic.body.resize(topic.body.size() - kLineEnd.size());
  }
  for (std::string_view key : kEditorHelpKeys) {
    if (!keys.contains(std::string(key)))
      throw std::runtime_error("editor_help.txt: no topic for '" + std::string(key) + "'");
  }
  CheckLinks(topics, headers);
  return topics;
}

}  // namespace brolt::content
