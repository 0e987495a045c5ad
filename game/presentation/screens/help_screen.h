#pragma once
// The help pages (F1): the screen of "help" from the menu and of "paused" during play.
namespace brolt {

struct Game;

// One frame of the page HelpPage of the help table: its pictures, header and text, with Up and Down
// to turn the pages and Escape to leave. With no pages only the title, page line and hints show.
void DrawHelpScreen(Game& game);

}  // namespace brolt
