#pragma once
// The motion engine: objects move one cell at a time, and a moving object lives in its target cell
// from the first frame of the move. Its record is copied whole into the target at once, with a
// drawing offset pointing back at the source that the handler brings to 0, so every rule sees the
// object in its new cell at once. The cell it left is emptied, or held by a vacated cell for about
// as long as the move lasts.
//
// A motion runs while the cell's AnimTime is above 0: 1 on its first frame, counted up by
// AnimateCell, and the cell is at rest again after the frame in which AnimTime reaches AnimEnd.
namespace brolt {

struct Game;

// Starts a walk of the object in (x, y) to (x + dx, y + dy), of one or two cells, lasting
// FramesPerSecond / speed frames (both rounded). speed is in cells per second, 0 meaning the
// object's own; a speed that rounds to 0 moves nothing. The Thresher leaves a vacated cell behind,
// anything else an empty one. The caller has checked that the move is allowed.
void MoveObject(Game& game, int x, int y, int dx, int dy, float speed);

// Starts a push of the object in (x, y) to (x + dx, y + dy), lasting floor(FramesPerSecond / speed)
// frames, and queues the push sound. The source keeps its record with type 0, for the pusher's own
// move to overwrite.
void PushObject(Game& game, int x, int y, int dx, int dy, float speed);

// Turns the cell an object has just been copied out of into a vacated cell that stands for
// floor(FramesPerSecond / the object's speed) frames.
void LeaveVacatedCell(Game& game, int x, int y);

// Empties the cell.
void ClearCell(Game& game, int x, int y);

// The handlers of the walk, the push (step: degrees a rolling object turns per frame) and the
// vacated cell.
void AnimateWalk(Game& game, int x, int y);
void AnimatePush(Game& game, int x, int y, int step);
void ExpireCellIfDone(Game& game, int x, int y);

// Cycles the picture of a rolling or falling object (and of every unid): one column per
// 30-per-second tick, then the next row.
void AdvanceCellFrame(Game& game, int x, int y);

}  // namespace brolt
