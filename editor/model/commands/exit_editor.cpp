#include "editor/model/commands/exit_editor.h"

#include <filesystem>

#include "common/database.h"
#include "common/file_io.h"
#include "editor/model/collections/collection_contents.h"
#include "editor/model/collections/level_files.h"
#include "editor/model/commands/error_report.h"
#include "editor/model/commands/save_level.h"
#include "editor/model/commands/state_checks.h"
#include "editor/model/services/collection_name.h"
#include "editor/model/services/preferences_store.h"

namespace brolt::editor {

namespace fs = std::filesystem;

namespace {
// A read-only folder refuses even the removal of a file that isn't there; only a preview file that
// is still there, or may be, is worth a message.
void RemovePreviewFile(Editor& editor) {
  const fs::path preview = PreviewFilePath(editor);
  std::error_code error;
  if (fs::remove(preview, error) || !error) return;
  std::error_code unknown;
  if (fs::symlink_status(preview, unknown).type() == fs::file_type::not_found) return;
  ShowErrorMessage(editor, error.message(), "Cannot delete " + FileNameAsText(preview.string()) + ".");
}
}  // namespace

void ExitEditor(Editor& editor) {
  if (!editor.level.LevelSaved && !IsMapEmpty(editor)) {
    const int answer =
        editor.ui.dialogs->ShowMessageBox("Save changes before exiting?", ButtonSet::YesNoCancel, "");
    if (answer == 2) return;
    if (answer == 0) {
      SaveLevel(editor, false);
      if (!editor.level.LevelSaved) return;
    }
  }
  RemovePreviewFile(editor);
  try {
    if (editor.DefineDb) SavePreferences(editor);
  } catch (const DatabaseError& failure) {
    // The editor still ends: the preferences are all that is lost, and the designer is told.
    ShowErrorMessage(editor, failure, "The preferences were not saved.");
  }
  editor.DefineDb.reset();
  editor.ui.window->EndProgram();
}

void PurgeEmptyCollectionFiles(Editor& editor) {
  for (const std::string& file : CollectionFilesInFolder(editor)) {
    try {
      const auto bytes = ReadWholeFile(CollectionPath(editor, file));
      if (!bytes || HoldsAnyRecord(*bytes)) continue;
    } catch (const FileError&) {
      continue;
    }
    std::error_code kept;
    fs::remove(CollectionPath(editor, file), kept);
  }
}

}  // namespace brolt::editor
