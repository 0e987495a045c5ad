#pragma once
// The editor's own boxes and help window as the rules see them. The Qt layer implements this; tests
// script the answers. Every method has a harmless default so that a test fakes only what it needs.
#include <string>
#include <string_view>

#include "editor/model/collections/compile_choices.h"

namespace brolt::editor {

struct SaveDialogState;
struct LoadDialogState;

// The button sets of the message box. Results are the index of the button pressed:
// OK -> 1; YesNo -> 1 Yes, 2 No; OKCancel -> 1 OK, 2 Cancel; YesNoCancel -> 0 Yes, 1 No, 2 Cancel.
enum class ButtonSet { OK, YesNo, OKCancel, YesNoCancel };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual int ShowMessageBox(std::string_view /*text*/, ButtonSet /*buttons*/, std::string_view /*helpKey*/) {
    return 1;
  }
  // The typed text, or "" on Cancel. A default beginning "[PROPER]", "[NUM]" or "[FILE]" selects the
  // input mode; maxLength 0 means no limit.
  virtual std::string ShowInputBox(std::string_view /*prompt*/, std::string_view /*defaultText*/, int /*maxLength*/) {
    return {};
  }
  // Opens the help window on the topic with this key; the empty key opens the index.
  virtual void ShowHelpTopic(std::string_view /*key*/) {}
  // Shows or hides the error picture of the message box, around the report of an unexpected error.
  virtual void ShowErrorIcon(bool /*visible*/) {}
  // Hides the help window if it is open, as a dialog does when it comes up.
  virtual void HideHelp() {}
  // The save and load dialogs over states the commands filled; true when accepted with OK, and the
  // state then holds the choice. The defaults cancel.
  virtual bool ShowSaveDialog(SaveDialogState& /*state*/) { return false; }
  virtual bool ShowLoadDialog(LoadDialogState& /*state*/) { return false; }
  // The compile dialog, filled from `choices`; true when the designer chose Compile, with the
  // choices read back into `choices`.
  virtual bool ShowCompileDialog(CompileChoices& /*choices*/) { return false; }
  // The level management dialog on the collection `collectionFile` (may be empty); returns when the
  // designer has closed it.
  virtual void ShowLevelManagement(std::string_view /*collectionFile*/) {}
  // The level properties command with its dialog, for callers that have no window of their own.
  virtual void OpenLevelProperties() {}
  // After the colours changed: the windows kept between uses go, so that each is built in the new
  // colours at its next use.
  virtual void UnloadDialogs() {}
};

}  // namespace brolt::editor
