// Every help key the editor's code opens a topic by has its topic in the generated database. The
// keys are read from the sources: each function or constructor that declares a parameter
// `helpKey` (or `key`, when its name speaks of help or topics) is a place where keys enter, and the
// literal passed there is a key; "name%1" and "name" + number are a numbered family of keys.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "common/numeric.h"
#include "tests/tools/content/content_files.h"

namespace brolt::content {
namespace {

using testing::DefinitionsRows;
using testing::FileBytes;

struct Call {
  std::string name;
  std::vector<std::string> arguments;  // trimmed, as written
};

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The text with its line comments blanked; block comments stay, as they name unused parameters.
std::string WithoutLineComments(const std::string& text) {
  std::string out = text;
  char quote = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (quote) {
      if (out[i] == '\\') ++i;
      else if (out[i] == quote) quote = 0;
    } else if (out[i] == '"' || out[i] == '\'') {
      quote = out[i];
    } else if (out.compare(i, 2, "//") == 0) {
      while (i < out.size() && out[i] != '\n') out[i++] = ' ';
    }
  }
  return out;
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The name a parenthesis opens the arguments of: the function's, or for "name = [...](" the lambda's.
std::string NameBefore(const std::string& text, std::size_t open) {
  std::size_t end = text.find_last_not_of(" \t\r\n", open - 1);
  if (end != std::string::npos && text[end] == ']') {
    const std::size_t capture = text.rfind('[', end);
    end = capture == std::string::npos ? capture : text.find_last_not_of(" \t\r\n", capture - 1);
    if (end == std::string::npos || text[end] != '=') return {};
    end = text.find_last_not_of(" \t\r\n", end - 1);
  }
  if (end == std::string::npos || !IsNameChar(text[end])) return {};
  std::size_t start = end;
  while (start > 0 && IsNameChar(text[start - 1])) --start;
  return text.substr(start, end - start + 1);
}

// The arguments from an opening parenthesis to its closing one, split at the commas outside
// brackets and literals.
std::vector<std::string> ArgumentsFrom(const std::string& text, std::size_t open) {
  std::vector<std::string> arguments;
  std::string argument;
  int depth = 0;
  char quote = 0;
  for (std::size_t j = open + 1; j < text.size(); ++j) {
    const char c = text[j];
    if (quote) {
      argument += c;
      if (c == '\\' && j + 1 < text.size()) argument += text[++j];
      else if (c == quote) quote = 0;
      continue;
    }
    if (c == '"' || c == '\'') quote = c;
    if (depth == 0 && (c == ',' || c == ')')) {
      if (!Trimmed(argument).empty()) arguments.push_back(Trimmed(argument));
      argument.clear();
      if (c == ')') break;
      continue;
    }
    if (c == '(' || c == '{' || c == '[') ++depth;
    if (c == ')' || c == '}' || c == ']') --depth;
    argument += c;
  }
  return arguments;
}

// Every "name(arguments)" of the text, declarations and calls alike, nested ones included.
std::vector<Call> CallsIn(const std::string& text) {
  std::vector<Call> calls;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"' || text[i] == '\'') {  // skip a literal
      const char quote = text[i];
      for (++i; i < text.size() && text[i] != quote; ++i)
        if (text[i] == '\\') ++i;
      continue;
    }
    if (text[i] != '(' || i == 0) continue;
    std::string name = NameBefore(text, i);
    if (!name.empty()) calls.push_back({std::move(name), ArgumentsFrom(text, i)});
  }
  return calls;
}

struct HelpKeysInCode {
  std::set<std::string> keys;
  std::set<std::string> families;  // the literal part of numbered keys
};

HelpKeysInCode ReadHelpKeys(const std::filesystem::path& sources) {
  std::vector<Call> calls;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(sources)) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".h" && extension != ".cpp") continue;
    for (Call& call : CallsIn(WithoutLineComments(FileBytes(entry.path())))) calls.push_back(std::move(call));
  }
  // Where keys enter: the position of each declared help key parameter, by function name.
  const std::regex helpKeyParameter(R"(^(const\s+)?[\w:<>]+\s*[&*]?\s*(/\*\s*)?helpKey(\s*\*/)?(\s*=.*)?$)");
  const std::regex keyParameter(R"(^(const\s+)?[\w:<>]+\s*[&*]?\s*(/\*\s*)?key(\s*\*/)?$)");
  std::map<std::string, std::set<std::size_t>> entries;
  for (const Call& call : calls) {
    const bool aboutHelp = call.name.find("Help") != std::string::npos || call.name.find("Topic") != std::string::npos;
    for (std::size_t i = 0; i < call.arguments.size(); ++i)
      if (std::regex_match(call.arguments[i], helpKeyParameter) ||
          (aboutHelp && std::regex_match(call.arguments[i], keyParameter)))
        entries[call.name].insert(i);
  }
  const std::regex literal(R"re(^(\w+\()?"([^"]*)"\)?$)re");
  const std::regex numbered(R"re("([a-z_]+)(%1"|"\s*\+))re");
  HelpKeysInCode found;
  for (const Call& call : calls) {
    const auto entry = entries.find(call.name);
    if (entry == entries.end()) continue;
    for (std::size_t i : entry->second) {
      if (i >= call.arguments.size()) continue;
      std::smatch match;
      if (std::regex_match(call.arguments[i], match, literal) && match[2].length() > 0) found.keys.insert(match[2]);
      else if (std::regex_search(call.arguments[i], match, numbered)) found.families.insert(match[1]);
    }
  }
  return found;
}

// The numbered families and how many controls each numbers, from 0.
const std::map<std::string, int> kFamilySizes = {{"lvlmanage", 10}, {"toolbar", 10}, {"tools", 7}};

TEST(EditorHelpKeys, EveryKeyTheEditorUsesHasATopic) {
  std::set<std::string> topics;
  for (const auto& row : DefinitionsRows("SELECT HelpIndex FROM EditorHelp")) topics.insert(row[0]);

  const HelpKeysInCode found = ReadHelpKeys(BROLT_TEST_EDITOR_SOURCES);
  std::set<std::string> keys = found.keys;
  for (const std::string& family : found.families) {
    ASSERT_TRUE(kFamilySizes.contains(family)) << "a numbered help key family of unknown size: " << family;
    for (int number = 0; number < kFamilySizes.at(family); ++number) keys.insert(family + std::to_string(number));
  }
  // The reading itself must work: these are used by the dialogs already built.
  for (const char* known : {"gettingstarted", "cannotsave", "collectioncombo", "button_ok", "lvlmanage9", "toolbar4"})
    EXPECT_TRUE(keys.contains(known)) << known;

  for (const std::string& key : keys) {
    EXPECT_TRUE(topics.contains(ToLowerAscii(key))) << "no help topic for the key \"" << key << "\"";
  }
}

}  // namespace
}  // namespace brolt::content
