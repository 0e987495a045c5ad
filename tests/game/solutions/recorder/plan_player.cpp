#include "game/solutions/recorder/plan_player.h"

#include <iomanip>

#include "common/numeric.h"
#include "game/core/level/grid_queries.h"
#include "game/core/state/world_geometry.h"

namespace brolt::solutions {

namespace {

// Frames a walk may go without headway (the get-ready second, a push) before it counts as stuck.
constexpr int kStuckFrames = 180;
// Frames to wait at most for the Thresher to stand still, and for the level to settle.
constexpr int kReadyFrames = 600;
constexpr int kSettleFrames = 900;
constexpr int kQuietFrames = 3;
// A creature's round or a cannon's volley comes within a minute.
constexpr int kUntilFrames = 60 * 60;
// The replay gives up after ten minutes; so does the plan.
constexpr std::int64_t kFrameLimit = 60 * 60 * 10;

std::string FrameNote(std::int64_t frames) { return "frame " + std::to_string(frames); }

}  // namespace

const char* OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::Playing: return "the plan ended with the level still running";
    case Outcome::Completed: return "he left through the exit";
    case Outcome::Died: return "he DIED";
    case Outcome::Stuck: return "he is STUCK";
  }
  return "";
}

PlanPlayer::PlanPlayer(testing::LevelSession& session, const LevelView& view, std::ostream& out, bool showLevel)
    : session_(session), game_(session.game), view_(view), out_(out), showLevel_(showLevel) {}

Outcome PlanPlayer::Play(const std::vector<Move>& plan) {
  if (showLevel_) view_.Print(game_, out_);
  for (std::size_t i = 0; i < plan.size(); ++i) {
    note_.clear();
    const Outcome outcome = PlayMove(plan[i]);
    Report(i, plan[i], outcome);
    if (outcome != Outcome::Playing) {
      if (i + 1 < plan.size()) out_ << "  (" << plan.size() - i - 1 << " moves of the plan left unplayed)\n";
      return outcome;
    }
  }
  return Outcome::Playing;
}

Outcome PlanPlayer::PlayMove(const Move& move) {
  switch (move.kind) {
    case Move::Kind::Walk: return Walk(move);
    case Move::Kind::Hold: return Hold(move);
    case Move::Kind::Wait: return Wait(move.count);
    case Move::Kind::Settle: return Settle();
    case Move::Kind::Until: return Until(move);
    case Move::Kind::Fire: return Action(move, "Left Ctrl");
    case Move::Kind::Bomb: return Action(move, "Left Shift");
    case Move::Kind::Grab: return Action(move, "Space");
    case Move::Kind::Tap: return Action(move, nullptr);
  }
  return Outcome::Playing;
}

Outcome PlanPlayer::Step() {
  if (session_.Frames() >= kFrameLimit) return Outcome::Stuck;
  session_.PlayFrame();
  if (session_.Completed()) return Outcome::Completed;
  if (game_.flags.Dead) return Outcome::Died;
  return Outcome::Playing;
}

GridPoint PlanPlayer::Player() const {
  return {static_cast<int>(RoundHalfEven(game_.level.PlayerX)), static_cast<int>(RoundHalfEven(game_.level.PlayerY))};
}

bool PlanPlayer::Ready() const {
  const GridPoint at = Player();
  if (game_.level.Grid(at.x, at.y).AnimTime != 0.0f) return false;
  if (game_.timing.GetReadyCount < game_.timing.GetReadyTarget) return false;
  // A force floor that can carry him on will, whatever the keys say.
  const FloorCell& floor = game_.level.FloorGrid(at.x, at.y);
  if (floor.Kind != FloorForce) return true;
  const GridPoint next{at.x + floor.DirX, at.y + floor.DirY};
  return !CanPlayerEnter(game_, next.x, next.y) && !IsDeadlyForPlayer(game_, next.x, next.y);
}

Outcome PlanPlayer::WaitUntilReady() {
  for (int frame = 0; !Ready(); ++frame) {
    if (frame == kReadyFrames) {
      note_ = "he never came to rest";
      return Outcome::Stuck;
    }
    if (const Outcome outcome = Step(); outcome != Outcome::Playing) return outcome;
  }
  return Outcome::Playing;
}

Outcome PlanPlayer::Walk(const Move& move) {
  if (const Outcome outcome = WaitUntilReady(); outcome != Outcome::Playing) return outcome;
  const GridPoint start = Player();
  session_.Press(move.arrow.key);
  Outcome outcome = Outcome::Playing;
  GridPoint last = start;
  int still = 0;
  while (outcome == Outcome::Playing) {
    outcome = Step();
    const GridPoint at = Player();
    still = at == last ? still + 1 : 0;
    last = at;
    const int done = (at.x - start.x) * move.arrow.dx + (at.y - start.y) * move.arrow.dy;
    if (done >= move.count && Ready()) {
      if (done > move.count) note_ = "went " + std::to_string(done) + " cells";
      break;
    }
    if (outcome == Outcome::Playing && still >= kStuckFrames) {
      note_ = "walked " + std::to_string(done) + " of " + std::to_string(move.count) + " cells";
      outcome = Outcome::Stuck;
    }
  }
  session_.Release(move.arrow.key);
  return outcome;
}

Outcome PlanPlayer::Hold(const Move& move) {
  if (const Outcome outcome = WaitUntilReady(); outcome != Outcome::Playing) return outcome;
  session_.Press(move.arrow.key);
  Outcome outcome = Outcome::Playing;
  for (int frame = 0; frame < move.count && outcome == Outcome::Playing; ++frame) outcome = Step();
  session_.Release(move.arrow.key);
  return outcome;
}

Outcome PlanPlayer::Action(const Move& move, const char* modifier) {
  if (const Outcome outcome = WaitUntilReady(); outcome != Outcome::Playing) return outcome;
  const PlayerState before = game_.player;
  const GridPoint at = Player();
  const GridPoint target{at.x + move.arrow.dx, at.y + move.arrow.dy};
  const LevelCell targetBefore = game_.level.Grid(target.x, target.y);
  const bool switchBefore = game_.devices.SwitchState;
  if (modifier) session_.Press(modifier);
  session_.Press(move.arrow.key);
  const Outcome outcome = Step();
  if (modifier) session_.Release(modifier);
  session_.Release(move.arrow.key);
  if (move.kind == Move::Kind::Fire && game_.player.Shots == before.Shots) note_ = "no shot left";
  if (move.kind == Move::Kind::Bomb && game_.player.Bombs == before.Bombs) note_ = "no bomb was dropped";
  if (move.kind == Move::Kind::Grab && game_.level.Grid(target.x, target.y) == targetBefore) note_ = "nothing was taken";
  if (move.kind == Move::Kind::Tap && game_.devices.SwitchState != switchBefore) note_ = "the switch turned";
  return outcome;
}

Outcome PlanPlayer::Wait(int frames) {
  for (int frame = 0; frame < frames; ++frame)
    if (const Outcome outcome = Step(); outcome != Outcome::Playing) return outcome;
  return Outcome::Playing;
}

bool PlanPlayer::AnythingFalling() const {
  const int last = static_cast<int>(GridWidth) - 1;
  for (int y = 0; y <= last; ++y) {
    for (int x = 0; x <= last; ++x) {
      const LevelCell& cell = game_.level.Grid(x, y);
      const ObjectDef& def = game_.ObjectDefs[cell.Type];
      if ((def.Gravity && cell.AnimTime > 0.0f) || def.IsBlast || cell.Type == ObjBomb || cell.Type == ObjVacated)
        return true;
    }
  }
  return false;
}

Outcome PlanPlayer::Settle() {
  // A faller rests for a frame between two rolls, so the level is settled only once it has been
  // still for a few frames in a row, and not before the level runs.
  int quiet = 0;
  for (int frame = 0; quiet < kQuietFrames; ++frame) {
    if (frame == kSettleFrames) {
      note_ = "still moving after " + std::to_string(kSettleFrames) + " frames";
      break;
    }
    if (const Outcome outcome = Step(); outcome != Outcome::Playing) return outcome;
    const bool running = game_.timing.GetReadyCount >= game_.timing.GetReadyTarget;
    quiet = running && !AnythingFalling() ? quiet + 1 : 0;
  }
  return Outcome::Playing;
}

Outcome PlanPlayer::Until(const Move& move) {
  for (int frame = 0; view_.CellChar(game_, move.cell.x, move.cell.y) != move.shows; ++frame) {
    if (frame == kUntilFrames) {
      note_ = "it never came in " + std::to_string(kUntilFrames) + " frames";
      return Outcome::Stuck;
    }
    if (const Outcome outcome = Step(); outcome != Outcome::Playing) return outcome;
  }
  return Outcome::Playing;
}

void PlanPlayer::Report(std::size_t index, const Move& move, Outcome outcome) {
  const GridPoint at = Player();
  const PlayerState& player = game_.player;
  out_ << std::setw(3) << index + 1 << ' ' << std::left << std::setw(8) << move.text << std::right << ' '
       << FrameNote(session_.Frames()) << "  at (" << at.x << "," << at.y << ")  unids needed "
       << game_.level.UnidsNeeded << "  shots " << player.Shots << "  bombs " << player.Bombs;
  if (player.ShieldTime > 0) out_ << "  shield " << player.ShieldTime;
  if (player.FreezeTime > 0) out_ << "  freeze " << player.FreezeTime;
  if (game_.timing.TimeLeft >= 0) out_ << "  time left " << game_.timing.TimeLeft;
  if (!note_.empty()) out_ << "  [" << note_ << "]";
  out_ << '\n';
  if (outcome != Outcome::Playing) out_ << "  => " << OutcomeName(outcome) << " at " << FrameNote(session_.Frames()) << '\n';
  if (showLevel_ || outcome == Outcome::Died || outcome == Outcome::Stuck) view_.Print(game_, out_);
}

}  // namespace brolt::solutions
