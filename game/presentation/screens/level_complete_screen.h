#pragma once
// The level-complete screen, drawn over the level while the record holder's name is typed.
namespace brolt {

struct Game;

// Whether the level's time beats the stored best of a compiled collection; an equal time does not.
bool IsNewBestTime(Game& game);

// A new best asks for the name (typed through the window's key events) in a dashed frame; any other
// finish says "Level Complete". The level's time shows below the title, and the light closes in on
// the Thresher while the screen stays.
void DrawLevelCompleteScreen(Game& game);

}  // namespace brolt
