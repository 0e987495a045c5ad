#pragma once
// Compiling a collection into the form the game plays and times: a ".clvl" file whose record 1
// carries the compiled marker, whose first levels are open, with no best times, and which ends with
// the tag record of the collection's introduction and congratulations.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/collections/compile_choices.h"
#include "editor/model/editor.h"

namespace brolt::editor {

// The collection's name without ".clvl", or without its last four characters (".lvl").
std::string CompileBaseName(std::string_view file);

// The open-levels count the dialog proposes for a collection of `recordCount` records; none for 5.
std::optional<int> OpenLevelsPreset(int recordCount);

// The open-levels box's text as a number held between 1 and the collection's record count.
int ClampOpenLevels(std::string_view text, int recordCount);

// The compiled records of `levels` (whole level records): levels 1 to `openLevels` open (level 1
// always), the rest closed, no holder or best time, the marker in record 1, then the tag record.
std::vector<std::string> CompileRecords(const std::vector<std::string>& levels, int openLevels,
                                        std::string_view introduction, std::string_view congratulations);

// The compile dialog's OK: refuses when no collection is chosen and asks before a compiled file
// would be replaced. True when the dialog may close.
bool AcceptCompileChoice(Editor& editor, std::string_view file);

// Compiles the chosen collection and says whether it worked; the source is only read, and the
// target is replaced only once the whole compiled file is written.
bool CompileChosenCollection(Editor& editor, const CompileChoices& choices);

// The command: the dialog, then the compile.
void CompileCollection(Editor& editor);

}  // namespace brolt::editor
