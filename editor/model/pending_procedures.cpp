#include "editor/model/pending_procedures.h"

namespace brolt::editor {

void OpenLevelManagement(Editor&, std::string&) {}

}  // namespace brolt::editor
