#include "game/core/files/file_list.h"

#include <algorithm>

#include "common/numeric.h"

namespace brolt {

void FileList::Open(const std::filesystem::path& folder, std::vector<std::string> extensions) {
  Folder = folder;
  Extensions = std::move(extensions);
  Selected = -1;
  Refresh();
  if (Selected < 0 && !Names.empty()) Selected = 0;
}

void FileList::Refresh() {
  std::string keep = SelectedName();
  Names.clear();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(Folder, error)) {
    if (!entry.is_regular_file(error)) continue;
    std::string name = entry.path().filename().string();
    std::string extension = ToLowerAscii(entry.path().extension().string());
    if (Extensions.empty() || std::find(Extensions.begin(), Extensions.end(), extension) != Extensions.end())
      Names.push_back(name);
  }
  std::sort(Names.begin(), Names.end(), [](const std::string& a, const std::string& b) {
    std::string la = ToLowerAscii(a), lb = ToLowerAscii(b);
    return la != lb ? la < lb : a < b;
  });
  Selected = -1;
  if (!keep.empty()) Select(keep);
}

std::string FileList::SelectedName() const {
  if (Selected < 0 || Selected >= static_cast<int>(Names.size())) return {};
  return Names[static_cast<std::size_t>(Selected)];
}

bool FileList::Select(const std::string& name) {
  std::string wanted = ToLowerAscii(name);
  for (std::size_t i = 0; i < Names.size(); ++i) {
    if (ToLowerAscii(Names[i]) == wanted) {
      Selected = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

}  // namespace brolt
