#pragma once
// The editor program: start-up, the event loop and the exit status.
namespace brolt::editor {

int RunEditor(int argc, char** argv);

}  // namespace brolt::editor
