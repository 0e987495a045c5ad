// record_solution: plays a plan on a shipped level and keeps the keys it pressed as the level's
// recorded solution, with the plan in the file's header so that it can be recorded again after a
// change of the rules.
//
//   record_solution Tutorial.clvl 3 R2 D1 R4 ...   the plan on the command line
//   record_solution Tutorial.clvl 3 @plan.txt      the plan read from a file
//   record_solution Tutorial.clvl 3                the plan kept in the level's .keys file
//   record_solution --all                          every kept plan again
//
// --quiet leaves out the drawing of the level after each move; --dry-run writes nothing;
// --speed N plays at game speed N (5..9) instead of the 6 the solutions are kept for, to see
// whether a plan holds at another speed, and writes nothing.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "game/solutions/recorder/level_view.h"
#include "game/solutions/recorder/plan.h"
#include "game/solutions/recorder/plan_player.h"
#include "game/solutions/recorder/shipped_levels.h"
#include "support/level_replay.h"

namespace brolt::solutions {

namespace {

const std::filesystem::path kDist = BROLT_TEST_DIST_DIR;
const std::filesystem::path kSolutions = BROLT_TEST_SOLUTIONS_DIR;
const std::filesystem::path kLegend = BROLT_CONTENT_LEGEND;

// Plan lines longer than this are broken at a space when written.
constexpr std::size_t kPlanLineWidth = 96;

// The game speed the kept solutions are played at: the game's default.
constexpr int kSolutionSpeed = 6;

struct Options {
  bool quiet = false;
  bool dryRun = false;
  int speed = kSolutionSpeed;
};

std::filesystem::path SolutionFile(const std::string& collection, int level) {
  return solutions::SolutionFile(kSolutions, collection, level);
}

std::string Read(const std::filesystem::path& file) {
  auto text = ReadWholeFile(file);
  if (!text) throw std::runtime_error("Can't read " + file.string());
  return *text;
}

// The plan as lines of at most kPlanLineWidth characters, unless a word or a comment is longer.
std::vector<std::string> PlanLines(const std::string& plan) {
  std::vector<std::string> lines;
  std::istringstream text(plan);
  std::string line;
  while (std::getline(text, line)) {
    if (line.find_first_not_of(' ') == std::string::npos) continue;
    if (line.find(';') != std::string::npos || line.size() <= kPlanLineWidth) {
      lines.push_back(line.substr(line.find_first_not_of(' ')));
      continue;
    }
    std::istringstream words(line);
    std::string word, current;
    while (words >> word) {
      if (!current.empty() && current.size() + 1 + word.size() > kPlanLineWidth) {
        lines.push_back(current);
        current.clear();
      }
      current += (current.empty() ? "" : " ") + word;
    }
    if (!current.empty()) lines.push_back(current);
  }
  return lines;
}

std::string KeyScriptText(const std::string& collection, int level, const std::string& title, const std::string& plan,
                          const std::vector<ScriptedKey>& keys, std::int64_t frames) {
  std::ostringstream out;
  out << "# " << collection << " level " << level << " \"" << title << "\": the keys of a run to the exit,\n"
      << "# written by record_solution from the plan below; run it again to record the plan afresh.\n";
  for (const std::string& line : PlanLines(plan)) out << "# plan: " << line << '\n';
  out << "# The exit is reached in frame " << frames << ".\n";
  for (const ScriptedKey& key : keys)
    if (key.frame < frames) out << key.frame << (key.down ? " down " : " up ") << key.key << '\n';
  return out.str();
}

// Plays the plan and, when he reaches the exit and the keys replay to the same end, keeps them.
bool Record(const std::string& collection, int level, const std::string& plan, const Options& options) {
  const std::vector<Move> moves = ParsePlan(plan);
  ShippedLevelsCopy levels(kDist);
  testing::LevelSession session(levels.path(), collection, level, {}, options.speed);
  const std::string title = ReadLevelName(session.game, level);
  std::cout << "== " << collection << " level " << level << " \"" << title << "\"\n";
  const LevelView view(session.game, Read(kLegend));
  PlanPlayer player(session, view, std::cout, !options.quiet);
  if (player.Play(moves) != Outcome::Completed) {
    std::cout << "Not recorded: the plan does not reach the exit.\n";
    return false;
  }
  const std::int64_t frames = session.Frames();
  const std::string script = KeyScriptText(collection, level, title, plan, session.Keys(), frames);
  ShippedLevelsCopy fresh(kDist);
  const testing::ReplayResult replay = testing::ReplayLevel(fresh.path(), collection, level, ParseKeyScript(script), options.speed);
  if (!replay.completed || replay.frames != frames) {
    std::cout << "Not recorded: the keys replay to a different end (" << replay.frames << " frames, completed "
              << replay.completed << ").\n";
    return false;
  }
  std::cout << "Finished in " << frames << " frames (" << replay.clock << ").\n";
  if (options.dryRun || options.speed != kSolutionSpeed) return true;
  const std::filesystem::path file = SolutionFile(collection, level);
  std::filesystem::create_directories(file.parent_path());
  ReplaceFileAtomically(file, script);
  std::cout << "Wrote " << file.string() << '\n';
  return true;
}

// Every plan kept in the solutions folder, recorded again.
bool RecordAll(const Options& options) {
  bool allDone = true;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(kSolutions))
    if (entry.path().extension() == ".keys") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    const std::string collection = file.parent_path().filename().string();
    const int level = std::stoi(file.stem().string());
    const std::string plan = PlanFromKeyScript(Read(file));
    if (plan.empty()) {
      std::cout << "== " << file.string() << " keeps no plan\n";
      allDone = false;
      continue;
    }
    allDone = Record(collection, level, plan, options) && allDone;
  }
  return allDone;
}

int Run(const std::vector<std::string>& arguments) {
  Options options;
  std::vector<std::string> words;
  bool all = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--quiet") options.quiet = true;
    else if (argument == "--speed" && i + 1 < arguments.size()) options.speed = std::clamp(std::stoi(arguments[++i]), 5, 9);
    else if (argument == "--dry-run") options.dryRun = true;
    else if (argument == "--all") all = true;
    else words.push_back(argument);
  }
  if (all) return RecordAll(options) ? 0 : 1;
  if (words.size() < 2) {
    std::cerr << "usage: record_solution [--quiet] [--dry-run] [--speed N] <collection> <level> [moves... | @plan file]\n"
              << "       record_solution [--quiet] [--dry-run] [--speed N] --all\n";
    return 2;
  }
  const std::string collection = words[0];
  const int level = std::stoi(words[1]);
  std::string plan;
  if (words.size() == 2) {
    plan = PlanFromKeyScript(Read(SolutionFile(collection, level)));
    if (plan.empty()) throw std::runtime_error(SolutionFile(collection, level).string() + " keeps no plan");
  } else if (words.size() == 3 && words[2].rfind('@', 0) == 0) {
    plan = Read(words[2].substr(1));
  } else {
    for (std::size_t i = 2; i < words.size(); ++i) plan += (i > 2 ? " " : "") + words[i];
  }
  return Record(collection, level, plan, options) ? 0 : 1;
}

}  // namespace

}  // namespace brolt::solutions

int main(int argc, char** argv) {
  try {
    return brolt::solutions::Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "record_solution: " << error.what() << '\n';
    return 2;
  }
}
