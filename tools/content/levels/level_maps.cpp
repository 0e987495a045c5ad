#include "tools/content/levels/level_maps.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "common/file_io.h"
#include "common/numeric.h"
#include "tools/content/help/markup_text.h"

namespace brolt::content {

namespace {

constexpr int kTitleLimit = 29;        // what the editor allows
constexpr int kIntroductionLimit = 240;
constexpr int kEndTextLimit = 720;
constexpr int kIntroductionLines = 5;  // above the collection list
constexpr int kEndTextLines = 19;      // from the end screen's top line to its footer

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream stream(text);
  std::string line;
  while (std::getline(stream, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool IsComment(const std::string& line) { return line.rfind("--", 0) == 0; }

int Number(const std::string& text, const std::string& where) {
  std::string trimmed = TrimSpaces(text);
  bool digits = !trimmed.empty() && std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits) throw std::runtime_error(where + ": '" + trimmed + "' is not a whole number");
  return std::stoi(trimmed);
}

int NumberIn(const std::string& text, int low, int high, const std::string& where) {
  int value = Number(text, where);
  if (value < low || value > high) {
    throw std::runtime_error(where + ": " + std::to_string(value) + " lies outside " + std::to_string(low) + ".." +
                             std::to_string(high));
  }
  return value;
}

// "c code [direction]", the character first.
std::pair<char, CellText> ParseLegendEntry(const std::string& entry, const std::string& where) {
  if (entry.size() < 3 || entry[1] != ' ') throw std::runtime_error(where + ": expected 'c code [direction]'");
  std::stringstream rest(entry.substr(2));
  std::string code, direction;
  rest >> code >> direction;
  CellText cell{NumberIn(code, 0, 999, where), direction.empty() ? 0 : NumberIn(direction, 0, 4, where)};
  return {entry[0], cell};
}

RgbColour ParseColour(const std::string& text, const std::string& where) {
  std::stringstream parts(text);
  std::string r, g, b;
  std::getline(parts, r, ',');
  std::getline(parts, g, ',');
  std::getline(parts, b, ',');
  return {NumberIn(r, 0, 255, where), NumberIn(g, 0, 255, where), NumberIn(b, 0, 255, where)};
}

void CheckShownText(const std::string& text, int limit, int lines, const std::string& where) {
  if (static_cast<int>(text.size()) > limit || !IsDrawableText(text) || !MarkupFits(text, lines)) {
    throw std::runtime_error(where + " is too long for its screen or holds a character the font lacks");
  }
}

std::map<std::string, std::string> ParseKeyValues(const std::vector<std::string>& lines, std::size_t end) {
  std::map<std::string, std::string> values;
  for (std::size_t i = 0; i < end; ++i) {
    const std::string& line = lines[i];
    if (IsComment(line) || TrimSpaces(line).empty()) continue;
    std::size_t colon = line.find(':');
    if (colon == std::string::npos) throw std::runtime_error("line " + std::to_string(i + 1) + ": expected 'key: value'");
    std::string key = TrimSpaces(line.substr(0, colon));
    std::string value = TrimSpaces(line.substr(colon + 1));
    values[key] = values.count(key) ? values[key] + "\n" + value : value;
  }
  return values;
}

}  // namespace

Legend ParseLegend(const std::string& text) {
  Legend legend;
  int number = 0;
  for (const std::string& line : Lines(text)) {
    ++number;
    if (line.empty() || IsComment(line)) continue;
    legend.insert(ParseLegendEntry(line, "legend line " + std::to_string(number)));
  }
  return legend;
}

LevelRecord ParseLevelMap(const std::string& text, const Legend& baseLegend, const std::string& name) {
  std::vector<std::string> lines = Lines(text);
  auto mapStart = std::find(lines.begin(), lines.end(), "map:");
  if (mapStart == lines.end()) throw std::runtime_error(name + ": no 'map:' line");
  auto header = ParseKeyValues(lines, static_cast<std::size_t>(mapStart - lines.begin()));
  std::vector<std::string> map(mapStart + 1, lines.end());
  while (!map.empty() && TrimSpaces(map.back()).empty()) map.pop_back();

  Legend legend = baseLegend;
  if (header.count("legend")) {
    std::stringstream entries(header["legend"]);
    std::string entry;
    while (std::getline(entries, entry)) {
      auto [c, cell] = ParseLegendEntry(entry, name + " legend");
      legend[c] = cell;
    }
  }

  LevelRecord level;
  level.title = header["title"];
  if (level.title.empty() || static_cast<int>(level.title.size()) > kTitleLimit || !IsDrawableText(level.title)) {
    throw std::runtime_error(name + ": the title must be 1.." + std::to_string(kTitleLimit) +
                             " characters the font can draw");
  }
  std::stringstream colours(header["colours"]);
  for (RgbColour& colour : level.colours) {
    std::string part;
    if (!(colours >> part)) throw std::runtime_error(name + ": 'colours' needs four r,g,b colours");
    colour = ParseColour(part, name + " colours");
  }
  level.lightRadius = NumberIn(header["light"], 3, 25, name + " light");
  level.timeLimit = header.count("time") ? NumberIn(header["time"], 0, 999, name + " time") : 0;
  level.unidAward = header.count("award") ? NumberIn(header["award"], 0, 99, name + " award") : 0;
  level.cannonRate = header.count("cannon") ? NumberIn(header["cannon"], 0, 99, name + " cannon") : 0;
  level.bestTimeHolder = "";
  level.bestTime = "00:00:00 ";

  std::string fill = header.count("fill") ? header["fill"] : "#";
  if (fill.size() != 1 || !legend.count(fill[0])) throw std::runtime_error(name + ": 'fill' must be one legend character");
  std::size_t width = 0;
  for (const std::string& row : map) width = std::max(width, row.size());
  if (map.empty() || map.size() > kLevelRows || width > kLevelColumns) {
    throw std::runtime_error(name + ": the map must have 1..50 lines of at most 50 characters");
  }
  int top = (kLevelRows - static_cast<int>(map.size())) / 2;
  int left = (kLevelColumns - static_cast<int>(width)) / 2;
  for (int row = 0; row < kLevelRows; ++row) {
    for (int column = 0; column < kLevelColumns; ++column) {
      char c = fill[0];
      int mapRow = row - top, mapColumn = column - left;
      if (mapRow >= 0 && mapRow < static_cast<int>(map.size()) && mapColumn >= 0 &&
          mapColumn < static_cast<int>(map[static_cast<std::size_t>(mapRow)].size())) {
        c = map[static_cast<std::size_t>(mapRow)][static_cast<std::size_t>(mapColumn)];
      }
      auto entry = legend.find(c);
      if (entry == legend.end()) {
        throw std::runtime_error(name + ": map line " + std::to_string(mapRow + 1) + " holds '" + std::string(1, c) +
                                 "', which the legend lacks");
      }
      level.Cell(column, row) = entry->second;
    }
  }
  if (CountTiles(level, 1) != 1) throw std::runtime_error(name + ": a level needs exactly one Thresher");
  if (CountTiles(level, 9) < 1) throw std::runtime_error(name + ": a level needs an exit portal");
  return level;
}

int CountTiles(const LevelRecord& level, int tileCode) {
  return static_cast<int>(std::count_if(level.cells.begin(), level.cells.end(),
                                        [tileCode](const CellText& cell) { return cell.tileCode == tileCode; }));
}

CollectionFile BuildCollection(const std::string& folder, const Legend& legend) {
  std::filesystem::path root(folder);
  std::string description = ReadWholeFile(root / "collection.txt").value_or("");
  std::vector<std::string> lines = Lines(description);
  auto values = ParseKeyValues(lines, lines.size());
  CollectionFile collection;
  collection.fileName = values["file"];
  bool compiled = values["compiled"] == "yes";
  if (collection.fileName.empty()) throw std::runtime_error(folder + "/collection.txt: no 'file'");

  std::vector<std::filesystem::path> levelFiles;
  for (const auto& entry : std::filesystem::directory_iterator(root)) {
    if (entry.path().extension() == ".txt" && entry.path().filename() != "collection.txt") {
      levelFiles.push_back(entry.path());
    }
  }
  std::sort(levelFiles.begin(), levelFiles.end());
  if (levelFiles.empty()) throw std::runtime_error(folder + ": no levels");
  for (std::size_t i = 0; i < levelFiles.size(); ++i) {
    LevelRecord level =
        ParseLevelMap(ReadWholeFile(levelFiles[i]).value_or(""), legend, levelFiles[i].filename().string());
    if (compiled) {
      level.openState = i == 0 ? '1' : '0';
      level.bestTime = "00:00 00 ";
      if (i == 0) level.compiledMarker = std::string(kCompiledMarker);
    }
    collection.records.push_back(EncodeLevelRecord(level));
  }
  if (compiled) {
    // Texts may run over several lines of collection.txt; they are one paragraph each.
    std::string introduction = values["introduction"], endText = values["end"];
    std::replace(introduction.begin(), introduction.end(), '\n', ' ');
    std::replace(endText.begin(), endText.end(), '\n', ' ');
    CheckShownText(introduction, kIntroductionLimit, kIntroductionLines, folder + " introduction");
    CheckShownText(endText, kEndTextLimit, kEndTextLines, folder + " end text");
    collection.records.push_back(EncodeTagRecord(introduction, endText));
  }
  return collection;
}

}  // namespace brolt::content
