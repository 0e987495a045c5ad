#include "game/main_loop/test_hooks.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "common/file_io.h"

namespace brolt {

namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return std::nullopt;
  return std::string(value);
}

std::int64_t WholeNumber(const std::string& text, const char* what) {
  std::size_t used = 0;
  std::int64_t value = 0;
  try {
    value = std::stoll(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || value < 0) throw std::runtime_error(std::string(what) + " is not a whole number: " + text);
  return value;
}

// The words of BROLT_ANSWERS, separated by blanks: true for Yes, false for No, in any case.
std::vector<bool> ParseAnswers(const std::string& text) {
  std::vector<bool> answers;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    std::string lower = word;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower != "yes" && lower != "no") throw std::runtime_error("BROLT_ANSWERS holds '" + word + "', not Yes or No");
    answers.push_back(lower == "yes");
  }
  return answers;
}

}  // namespace

bool TestHooks::AnySet() const {
  return noDialogs || quitAfterFrames || !screenshot.empty() || !keys.empty() || fixedFrameMs || seed ||
         startLevel;
}

std::vector<ScriptedKey> ParseKeyScript(const std::string& text) {
  std::vector<ScriptedKey> keys;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    std::istringstream words(line);
    std::string frame, action;
    words >> frame >> action;
    std::string key;
    std::getline(words >> std::ws, key);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
    if ((action != "down" && action != "up") || key.empty())
      throw std::runtime_error("Key script line " + std::to_string(number) + " is not '<frame> down|up <key>': " + line);
    keys.push_back({WholeNumber(frame, "A key script frame"), action == "down", key});
  }
  std::stable_sort(keys.begin(), keys.end(),
                   [](const ScriptedKey& a, const ScriptedKey& b) { return a.frame < b.frame; });
  return keys;
}

TestHooks ReadTestHooks() {
  TestHooks hooks;
  hooks.noDialogs = Environment("BROLT_NO_DIALOGS") == std::optional<std::string>("1");
  if (auto answers = Environment("BROLT_ANSWERS")) hooks.answers = ParseAnswers(*answers);
  if (auto frames = Environment("BROLT_QUIT_AFTER_FRAMES")) hooks.quitAfterFrames = WholeNumber(*frames, "BROLT_QUIT_AFTER_FRAMES");
  hooks.screenshot = Environment("BROLT_SCREENSHOT").value_or("");
  if (auto script = Environment("BROLT_KEY_SCRIPT")) {
    auto text = ReadWholeFile(*script);
    if (!text) throw std::runtime_error("Can't find the key script '" + *script + "'");
    hooks.keys = ParseKeyScript(*text);
  }
  if (auto ms = Environment("BROLT_FIXED_FRAME_MS"))
    hooks.fixedFrameMs = static_cast<int>(std::clamp<std::int64_t>(WholeNumber(*ms, "BROLT_FIXED_FRAME_MS"), 1, 1000));
  if (auto seed = Environment("BROLT_SEED")) hooks.seed = static_cast<std::uint64_t>(WholeNumber(*seed, "BROLT_SEED"));
  if (auto level = Environment("BROLT_START_LEVEL"))
    hooks.startLevel = static_cast<int>(std::clamp<std::int64_t>(WholeNumber(*level, "BROLT_START_LEVEL"), 1, 999));
  return hooks;
}

}  // namespace brolt
