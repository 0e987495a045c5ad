#pragma once
// The report of an unexpected error: the one way the commands tell the designer that something
// failed that they did not foresee.
#include <exception>
#include <string>
#include <string_view>

namespace brolt::editor {

struct Editor;

// An exception's message as the designer reads it: a file or folder it names reads as names do.
std::string FailureText(const std::exception& error);

// Shows "ERROR:  " & description & ". " & context in the message box with the error picture, the
// button "OK" and no help. Error numbers 0 (no error) and 453 show nothing.
void ShowErrorMessage(Editor& editor, int errorNumber, std::string_view description, std::string_view context);

// The same report for a failure that has no number: one thrown as an exception, whose message is
// the description, or one the editor found itself.
void ShowErrorMessage(Editor& editor, const std::exception& error, std::string_view context);
void ShowErrorMessage(Editor& editor, std::string_view description, std::string_view context);

}  // namespace brolt::editor
