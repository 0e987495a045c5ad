#pragma once
// Plays a plan on a level session, pressing and releasing keys as the Thresher goes: an arrow is
// held until he has walked the cells asked for and stands still, an action is one frame of its
// keys. What the session records is the exact key script of the run.
#include <ostream>
#include <vector>

#include "game/solutions/recorder/level_view.h"
#include "game/solutions/recorder/plan.h"
#include "support/level_replay.h"

namespace brolt::solutions {

enum class Outcome {
  Playing,    // the plan has run out and the level goes on
  Completed,  // he left through an exit
  Died,
  Stuck,      // a walk made no headway
};

const char* OutcomeName(Outcome outcome);

class PlanPlayer {
 public:
  // Reports each move to `out`; with `showLevel` the level is drawn after each move as well.
  PlanPlayer(testing::LevelSession& session, const LevelView& view, std::ostream& out, bool showLevel);

  // Plays the moves in order until the plan ends or the level does.
  Outcome Play(const std::vector<Move>& plan);

 private:
  Outcome PlayMove(const Move& move);
  Outcome Walk(const Move& move);
  Outcome Hold(const Move& move);
  Outcome Action(const Move& move, const char* modifier);
  Outcome Wait(int frames);
  Outcome Settle();
  Outcome Until(const Move& move);
  Outcome WaitUntilReady();
  // Plays one frame; Completed or Died when the level has ended with it.
  Outcome Step();
  GridPoint Player() const;
  // He stands still and will act on the keys in the next frame.
  bool Ready() const;
  bool AnythingFalling() const;
  void Report(std::size_t index, const Move& move, Outcome outcome);

  testing::LevelSession& session_;
  Game& game_;
  const LevelView& view_;
  std::ostream& out_;
  bool showLevel_;
  // A warning about the move being played, printed with its report.
  std::string note_;
};

}  // namespace brolt::solutions
