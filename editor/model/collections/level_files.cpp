#include "editor/model/collections/level_files.h"

#include <algorithm>

#include "common/level_record.h"
#include "common/numeric.h"

namespace brolt::editor {

namespace fs = std::filesystem;

fs::path LevelsFolder(const Editor& editor) {
  // The preference is a fragment such as "/Levels/" or "\Levels\"; its separators may be either.
  std::string fragment = editor.prefs.LevelsPath;
  std::replace(fragment.begin(), fragment.end(), '\\', '/');
  fs::path folder = editor.AppPath;
  for (const fs::path& part : fs::path(fragment).relative_path()) {
    if (!part.empty()) folder /= part;
  }
  return folder;
}

fs::path CollectionPath(const Editor& editor, std::string_view file) { return LevelsFolder(editor) / fs::path(file); }

fs::path GameLevelsFolder(const Editor& editor) { return editor.AppPath / "Levels"; }

fs::path PreviewFilePath(const Editor& editor) { return GameLevelsFolder(editor) / kPreviewFileName; }

bool SameFileName(std::string_view a, std::string_view b) { return ToLowerAscii(a) == ToLowerAscii(b); }

int FindCollectionName(const std::vector<std::string>& names, std::string_view name) {
  const auto exact = std::find(names.begin(), names.end(), name);
  if (exact != names.end()) return static_cast<int>(exact - names.begin());
  const auto other =
      std::find_if(names.begin(), names.end(), [name](const std::string& found) { return SameFileName(found, name); });
  return other != names.end() ? static_cast<int>(other - names.begin()) : -1;
}

bool HasExtension(std::string_view name, std::string_view extension) {
  return name.size() >= extension.size() && SameFileName(name.substr(name.size() - extension.size()), extension);
}

bool MatchesCollectionPattern(std::string_view name, bool developerMode) {
  return HasExtension(name, ".lvl") || (developerMode && HasExtension(name, ".clvl"));
}

std::vector<std::string> CollectionFilesInFolder(const Editor& editor) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(LevelsFolder(editor), error)) {
    std::error_code ignored;
    if (!entry.is_regular_file(ignored)) continue;
    std::string name = entry.path().filename().string();
    if (MatchesCollectionPattern(name, editor.DeveloperMode)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = ToLowerAscii(a), lb = ToLowerAscii(b);
    return la != lb ? la < lb : a < b;
  });
  return names;
}

std::string FindFileIgnoringCase(const Editor& editor, std::string_view name, std::string_view except) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(LevelsFolder(editor), error)) {
    std::string found = entry.path().filename().string();
    if (found != except && SameFileName(found, name)) return found;
  }
  return {};
}

}  // namespace brolt::editor
