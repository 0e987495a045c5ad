#include "game/solutions/recorder/plan.h"

#include <cctype>
#include <optional>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace brolt::solutions {

namespace {

constexpr Arrow kArrows[] = {{'R', 1, 0, "Right"}, {'L', -1, 0, "Left"}, {'U', 0, 1, "Up"}, {'D', 0, -1, "Down"}};

// How far plans may go: a walk across the whole level, a wait of a minute.
constexpr int kLargestCount = 3600;

std::optional<Arrow> ArrowOf(char letter) {
  for (const Arrow& arrow : kArrows)
    if (arrow.letter == std::toupper(static_cast<unsigned char>(letter))) return arrow;
  return std::nullopt;
}

// A whole number from 1 up; empty text gives `fallback`.
std::optional<int> Count(const std::string& text, std::optional<int> fallback) {
  if (text.empty()) return fallback;
  if (text.size() > 4) return std::nullopt;
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
  const int value = std::stoi(text);
  if (value < 1 || value > kLargestCount) return std::nullopt;
  return value;
}

// "until:c@x,y", x and y the cell in grid coordinates.
std::optional<Move> ParseUntil(const std::string& word) {
  static const std::regex kUntil(R"(until:(.)@(\d{1,2}),(\d{1,2}))");
  std::smatch parts;
  if (!std::regex_match(word, parts, kUntil)) return std::nullopt;
  Move move;
  move.text = word;
  move.kind = Move::Kind::Until;
  move.shows = parts[1].str()[0];
  move.cell = {std::stoi(parts[2].str()), std::stoi(parts[3].str())};
  return move;
}

std::optional<Move> ParseMove(const std::string& word) {
  if (word.rfind("until:", 0) == 0) return ParseUntil(word);
  Move move;
  move.text = word;
  if (word == "settle") {
    move.kind = Move::Kind::Settle;
    return move;
  }
  if (word.rfind("wait", 0) == 0) {
    const auto frames = Count(word.substr(4), std::nullopt);
    if (!frames) return std::nullopt;
    move.kind = Move::Kind::Wait;
    move.count = *frames;
    return move;
  }
  const std::size_t colon = word.find(':');
  if (colon == std::string::npos) {
    const auto arrow = ArrowOf(word[0]);
    const auto cells = Count(word.substr(1), 1);
    if (!arrow || !cells) return std::nullopt;
    move.kind = Move::Kind::Walk;
    move.arrow = *arrow;
    move.count = *cells;
    return move;
  }
  static const std::pair<const char*, Move::Kind> kActions[] = {{"fire", Move::Kind::Fire},
                                                                {"bomb", Move::Kind::Bomb},
                                                                {"grab", Move::Kind::Grab},
                                                                {"tap", Move::Kind::Tap},
                                                                {"hold", Move::Kind::Hold}};
  const std::string action = word.substr(0, colon);
  const std::string rest = word.substr(colon + 1);
  for (const auto& [name, kind] : kActions) {
    if (action != name || rest.empty()) continue;
    const auto arrow = ArrowOf(rest[0]);
    // Only a hold takes a number: its frames.
    const auto frames = kind == Move::Kind::Hold ? Count(rest.substr(1), std::nullopt) : Count(rest.substr(1), 1);
    if (!arrow || !frames || (kind != Move::Kind::Hold && rest.size() != 1)) return std::nullopt;
    move.kind = kind;
    move.arrow = *arrow;
    move.count = *frames;
    return move;
  }
  return std::nullopt;
}

}  // namespace

std::vector<Move> ParsePlan(const std::string& text) {
  std::vector<Move> plan;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line.substr(0, line.find(';')));
    std::string word;
    while (words >> word) {
      const auto move = ParseMove(word);
      if (!move) throw std::runtime_error("The plan holds a move it cannot read: '" + word + "'");
      plan.push_back(*move);
    }
  }
  return plan;
}

std::string PlanFromKeyScript(const std::string& script) {
  static const std::string kPrefix = "# plan:";
  std::istringstream lines(script);
  std::string line;
  std::string plan;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(kPrefix, 0) == 0) plan += line.substr(kPrefix.size()) + "\n";
  }
  return plan;
}

}  // namespace brolt::solutions
