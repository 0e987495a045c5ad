#include "editor/program/editor_program.h"

int main(int argc, char** argv) { return brolt::editor::RunEditor(argc, argv); }
