#pragma once
// A wall follower's quarter-arc step around the corner of its wall. The step is made in the grid at
// once: the record moves to the diagonal cell, which is drawn from the old position along a
// quarter circle around the corner cell, while the picture turns by a quarter.
namespace brolt {

struct Game;

// Starts the step of the creature in (x, y) to (x + dx, y + dy), lasting factor / Speed seconds
// (a factor of 0 counts as 1). The cell left behind keeps every field but its Type, which becomes
// 0. StepCrawler (wall on the clockwise side) runs AnimArc for the exact frame count;
// StepCrawlerType3 (wall on the anticlockwise side) runs AnimArcBack for its whole frames.
void StepCrawler(Game& game, int x, int y, float factor, int dx, int dy);
void StepCrawlerType3(Game& game, int x, int y, float factor, int dx, int dy);

// One frame of the arc of the creature in (x, y); sense 1 for AnimArc, -1 for AnimArcBack.
void AnimateArc(Game& game, int x, int y, int sense);

// One frame of a creature's picture turning during its arcs and turns in place: the Angle turns
// by sense x 90 / AnimEnd degrees (sense 0: not at all), the step cycle moves on one column per
// 30-per-second tick, then to the next of its rows, and the creature is heard.
void TurnCreaturePicture(Game& game, int x, int y, int sense);

}  // namespace brolt
