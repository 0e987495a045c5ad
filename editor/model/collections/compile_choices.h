#pragma once
// What the compile dialog offers and what the designer chose in it.
#include <string>
#include <vector>

namespace brolt::editor {

struct CompileChoices {
  std::vector<std::string> files;  // the collections offered
  std::string file;                // the collection chosen (on entry, the one preselected)
  int openLevels = 1;              // levels open when play starts
  std::string introduction;        // the introductory tag, at most 240 characters
  std::string congratulations;     // the congratulations tag, at most 720 characters
};

}  // namespace brolt::editor
