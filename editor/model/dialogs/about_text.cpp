#include "editor/model/dialogs/about_text.h"

namespace brolt::editor {

std::string ReadAboutText(Database* database) {
  if (database == nullptr) return kAboutDesignText;
  try {
    RowSet topics(*database, "EditorHelp");
    for (int position = 0; position < topics.Count(); ++position) {
      topics.SetPosition(position);
      if (topics.Field("HelpIndex") == "about") return topics.Field("Body").value_or("");
    }
  } catch (const DatabaseError&) {
    // A help table that can't be read leaves the about box with its own text.
  }
  return kAboutDesignText;
}

}  // namespace brolt::editor
