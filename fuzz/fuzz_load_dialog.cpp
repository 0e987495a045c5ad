// Any bytes as the only collection of the load dialog: listing its levels, previewing and choosing
// each of them runs without a fault.
#include <cstddef>
#include <cstdint>

#include "editor/model/collections/load_dialog_rules.h"
#include "fuzz/support/fuzz_levels_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brolt::editor;
  static brolt::fuzzing::FuzzLevelsFolder levels;
  Editor& editor = levels.editor;
  // Developer mode offers a compiled collection too.
  editor.DeveloperMode = true;
  levels.WriteCollection("fuzz.lvl", data, size);

  LoadDialogState state;
  if (!PrepareLoadDialog(editor, state)) __builtin_trap();
  for (int index = 0; index < static_cast<int>(state.Levels.size()); ++index) {
    state.LevelIndex = index;
    ShowPreview(editor, state);
    AcceptLoadDialog(editor, state);
  }
  return 0;
}
