#include "editor/model/commands/compile_collection.h"

#include <algorithm>
#include <exception>
#include <system_error>

#include "common/collection_file.h"
#include "common/level_record.h"
#include "common/numeric.h"
#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/collection_records.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/commands/collection_lists.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/services/collection_name.h"
#include "editor/model/tools/paste_mode.h"

namespace brolt::editor {

namespace {
constexpr const char* kCompileFailed = "Cannot compile level collection.";
// Characters 50-59 of a compiled level: open state, then a best time the game reads as none.
constexpr const char* kOpenProgress = "100:00 00 ";
constexpr const char* kClosedProgress = "000:00 00 ";
constexpr const char* kNoHolder = "     ";

std::string Chars(std::string_view record, int first, int last) { return std::string(RecordChars(record, first, last)); }
std::string CharsFrom(std::string_view record, int first) {
  return Chars(record, first, static_cast<int>(record.size()));
}

bool HasBlankTitle(std::string_view record) { return TrimSpaces(RecordChars(record, 1, 30)).empty(); }

// The levels of the source: its records up to the first empty or blank-titled one (a tag record).
// Refuses, with a message, a record that is not a whole level and a collection left no slot for
// its tag record.
std::optional<std::vector<std::string>> CompilableLevels(Editor& editor, std::string_view file,
                                                         std::vector<std::string> records) {
  const auto end = std::find_if(records.begin(), records.end(), HasBlankTitle);
  records.erase(end, records.end());
  if (records.size() >= static_cast<std::size_t>(kMaxCollectionLevels)) {
    editor.ui.dialogs->ShowMessageBox("A collection to compile can hold at most 998 levels.", ButtonSet::OK, "");
    return std::nullopt;
  }
  // An empty collection has no level 1 to compile either.
  for (std::size_t i = 0; i < std::max<std::size_t>(records.size(), 1); ++i) {
    if (i < records.size() && records[i].size() >= static_cast<std::size_t>(kLevelRecordLength)) continue;
    editor.ui.dialogs->ShowMessageBox("Level " + std::to_string(i + 1) + " of \"" + FileNameAsText(file) +
                                          "\" is empty or not a whole level, so the collection can't be compiled.",
                                      ButtonSet::OK, "");
    return std::nullopt;
  }
  return records;
}
}  // namespace

std::string CompileBaseName(std::string_view file) {
  const bool compiled = file.size() >= 4 && ToLowerAscii(file.substr(file.size() - 4)) == "clvl";
  const std::size_t cut = std::min(file.size(), std::size_t{compiled ? 5u : 4u});
  return std::string(file.substr(0, file.size() - cut));
}

std::optional<int> OpenLevelsPreset(int recordCount) {
  if (recordCount < 5) return 1;
  if (recordCount == 5) return std::nullopt;
  return recordCount <= 9 ? 3 : 5;
}

int ClampOpenLevels(std::string_view text, int recordCount) {
  return std::max(1, std::min(LeadingNumber(text), recordCount));
}

std::vector<std::string> CompileRecords(const std::vector<std::string>& levels, int openLevels,
                                        std::string_view introduction, std::string_view congratulations) {
  std::vector<std::string> compiled;
  for (std::size_t i = 0; i < levels.size(); ++i) {
    const std::string& level = levels[i];
    if (i == 0) {
      compiled.push_back(Chars(level, 1, 44) + kNoHolder + kOpenProgress + "   " + std::string(kCompiledMarker) +
                         "  " + Chars(level, 67, 93) + "  " + CharsFrom(level, 96));
      continue;
    }
    const bool open = static_cast<int>(i) < openLevels;
    compiled.push_back(Chars(level, 1, 44) + kNoHolder + (open ? kOpenProgress : kClosedProgress) +
                       CharsFrom(level, 60));
  }
  compiled.push_back(EncodeTagRecord(introduction, congratulations));
  return compiled;
}

bool AcceptCompileChoice(Editor& editor, std::string_view file) {
  if (file.empty()) {
    editor.ui.dialogs->ShowMessageBox("Select a level to compile.", ButtonSet::OK, "");
    return false;
  }
  std::error_code error;
  bool replacesCompiledFile = std::filesystem::exists(CollectionPath(editor, CompileBaseName(file) + ".clvl"), error);
  try {
    replacesCompiledFile = replacesCompiledFile || IsCompiledCollection(editor, file);
  } catch (const std::exception&) {
    // An unreadable source is reported by the compile itself.
  }
  return !replacesCompiledFile ||
         editor.ui.dialogs->ShowMessageBox("Overwrite the existing compiled level collection file?", ButtonSet::YesNo,
                                           "") != 2;
}

bool CompileChosenCollection(Editor& editor, const CompileChoices& choices) {
  const std::string target = CompileBaseName(choices.file) + ".clvl";
  try {
    const auto levels =
        CompilableLevels(editor, choices.file, ReadCollectionRecords(CollectionPath(editor, choices.file)));
    if (!levels) return false;
    WriteCollection(CollectionPath(editor, target),
                    CompileRecords(*levels, choices.openLevels, choices.introduction, choices.congratulations));
  } catch (const std::exception& error) {
    ShowErrorMessage(editor, error, kCompileFailed);
    return false;
  }
  editor.ui.dialogs->ShowMessageBox("\"" + FileNameAsText(target) +
                                        "\" compiled successfully. You can e-mail this collection to your friends "
                                        "and share your levels with every Brolt player.",
                                    ButtonSet::OK, "");
  return true;
}

void CompileCollection(Editor& editor) {
  if (ConfirmExitPasteMode(editor)) return;
  const CollectionFileList list = ListCollectionFiles(editor, true, false);
  if (list.Files.empty()) {
    editor.ui.dialogs->ShowMessageBox("No level collections found to compile.", ButtonSet::OK, "");
    return;
  }
  CompileChoices choices;
  choices.files = list.Files;
  choices.file = list.Files[static_cast<std::size_t>(std::max(list.Selected, 0))];
  if (editor.ui.dialogs->ShowCompileDialog(choices)) CompileChosenCollection(editor, choices);
}

}  // namespace brolt::editor
