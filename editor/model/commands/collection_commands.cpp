#include "editor/model/commands/collection_commands.h"

#include <algorithm>

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/level_record.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/services/collection_name.h"

namespace brolt::editor {

namespace fs = std::filesystem;

namespace {

constexpr int kNameLength = 24;
constexpr std::string_view kDeveloperHint = " (Include .clvl or .lvl)";

std::string WithoutTrailingExtensions(std::string name, std::string_view extension) {
  while (HasExtension(name, extension)) name.resize(name.size() - extension.size());
  return name;
}

// Asks for a name; "" when the designer cancelled, nothing (after saying so) when it can't be used.
std::optional<std::string> AskCollectionName(Editor& editor, const std::string& prompt, const std::string& current) {
  const std::string typed = editor.ui.dialogs->ShowInputBox(prompt, "[file]" + current, kNameLength);
  if (typed.empty()) return std::string();
  std::optional<std::string> name = CollectionFileName(typed, editor.DeveloperMode);
  if (!name) editor.ui.dialogs->ShowMessageBox("Cannot create this file.", ButtonSet::OK, "cannotcreatenewfile");
  return name;
}

void PutRecord(std::string& bytes, long slot, std::string_view record) {
  const std::string encoded = EncodeSlot(record);
  const auto start = static_cast<std::size_t>(slot - 1) * kSlotLength;
  if (bytes.size() < start + kSlotLength) bytes.resize(start + kSlotLength, '\0');
  std::copy(encoded.begin(), encoded.end(), bytes.begin() + static_cast<long>(start));
}

// A compiled collection carries the marker in record 1 and ends its levels with the tag record; an
// uncompiled one has neither.
void ConvertCollection(std::string& bytes, bool compiled) {
  std::string first = SlotRecord(bytes, 1);
  if (first.empty()) return;
  ReplaceField(first, level_field::CompiledMarker, compiled ? kCompiledMarker : "  ");
  PutRecord(bytes, 1, first);
  if (compiled) return;
  const std::string blankTitle(level_field::Title.width, ' ');
  for (long slot = 1; slot <= kMaxCollectionLevels; ++slot) {
    const std::string record = SlotRecord(bytes, slot);
    if (record.empty()) return;
    if (FieldText(record, level_field::Title) == blankTitle) {
      PutRecord(bytes, slot, "");
      return;
    }
  }
}

}  // namespace

std::optional<std::string> CollectionFileName(std::string_view typed, bool developerMode) {
  std::string name(typed);
  if (!developerMode) name = WithoutTrailingExtensions(name, ".lvl") + ".lvl";
  const bool unsafe = std::any_of(name.begin(), name.end(), [](char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127 || c == '/' || c == '\\';
  });
  const std::string_view extension = HasExtension(name, ".clvl") ? ".clvl" : ".lvl";
  if (unsafe || !HasExtension(name, extension)) return std::nullopt;
  const std::string_view stem = std::string_view(name).substr(0, name.size() - extension.size());
  if (stem.find_first_not_of('.') == std::string_view::npos) return std::nullopt;
  return name;
}

std::string NewCollectionFile(Editor& editor) {
  const std::string prompt =
      "Type a new collection filename below." + std::string(editor.DeveloperMode ? kDeveloperHint : "");
  const std::optional<std::string> name = AskCollectionName(editor, prompt, "");
  if (!name || name->empty() || RefuseNameInUse(editor, *name, "")) return {};
  try {
    CreateCollectionFile(CollectionPath(editor, *name));
  } catch (const FileError& error) {
    ShowErrorMessage(editor, error, "Cannot create collection file.");
    return {};
  }
  return *name;
}

std::string RenameCollectionFile(Editor& editor, const std::string& file) {
  if (file.empty() || CheckCollectionInEditor(editor, file)) return {};
  const std::string prompt = "Type a new filename for " + FileNameAsText(file) + " below." +
                             (editor.DeveloperMode ? std::string(kDeveloperHint) + " " : std::string());
  const std::optional<std::string> name = AskCollectionName(editor, prompt, file);
  if (!name || name->empty() || *name == file || RefuseNameInUse(editor, *name, file)) return {};
  const fs::path source = CollectionPath(editor, file);
  const fs::path target = CollectionPath(editor, *name);
  try {
    std::optional<std::string> bytes = ReadWholeFile(source);
    if (!bytes) throw FileError("Can't read", source, ": it does not exist");
    if (editor.DeveloperMode) ConvertCollection(*bytes, !HasExtension(*name, ".lvl"));
    ReplaceFileAtomically(target, *bytes);
    std::error_code same;
    if (!fs::equivalent(source, target, same)) {
      std::error_code removal;
      if (!fs::remove(source, removal) || removal)
        throw FileError("Can't delete", source, ": " + removal.message());
    }
  } catch (const FileError& error) {
    ShowErrorMessage(editor, error, "Cannot rename file.");
    return fs::exists(target) ? *name : std::string();
  }
  return *name;
}

std::string DeleteCollectionFile(Editor& editor, const std::string& file) {
  // An empty name would be the levels folder itself.
  if (file.empty()) return {};
  const std::vector<std::string> collections = CollectionFilesInFolder(editor);
  if (std::find(collections.begin(), collections.end(), file) == collections.end()) {
    editor.ui.dialogs->ShowMessageBox("ERROR:  '" + FileNameAsText(file) + "' is not a collection file.", ButtonSet::OK, "");
    return {};
  }
  if (CheckCollectionInEditor(editor, file)) return {};
  const std::string question = "There is no undo when deleting collection files. Are you sure you wish to delete '" +
                               FileNameAsText(file) + "'?";
  if (editor.ui.dialogs->ShowMessageBox(question, ButtonSet::YesNo, "deletelevelfile") == 2) return {};
  std::error_code error;
  const bool removed = fs::remove(CollectionPath(editor, file), error);
  if (removed && !error) return "ok";
  const std::string reason = error ? error.message() : "File not found";
  editor.ui.dialogs->ShowMessageBox("ERROR:  " + reason, ButtonSet::OK, "");
  return {};
}

bool CheckCollectionInEditor(Editor& editor, std::string_view file) {
  if (editor.level.LevelNumber < 1 || !SameFileName(editor.prefs.LevelFile, file)) return false;
  editor.ui.dialogs->ShowMessageBox("Close the level in the editor before managing the same collection file.",
                                    ButtonSet::OK, "");
  return true;
}

bool RefuseNameInUse(Editor& editor, const std::string& name, std::string_view allowed) {
  if (FindFileIgnoringCase(editor, name, allowed).empty()) return false;
  editor.ui.dialogs->ShowMessageBox("File already exists.", ButtonSet::OK, "");
  return true;
}

}  // namespace brolt::editor
