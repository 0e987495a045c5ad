#pragma once
// A start-up that can't go on (no readable definitions database, no tiles) is reported in plain
// words and ends the editor with status 1.
#include <string_view>

namespace brolt::editor {

constexpr int kStartupFailureStatus = 1;

// Shows the message in a box; with BROLT_NO_DIALOGS=1 (tests, automation) writes it to standard
// error instead. Returns the exit status.
int ReportStartupFailure(std::string_view message);

}  // namespace brolt::editor
