#include "common/path_error.h"

#include <utility>

namespace brolt {

namespace {
std::string Compose(const std::string& failure, std::string_view path, const std::string& rest) {
  return failure + " '" + std::string(path) + "'" + rest;
}
}  // namespace

PathError::PathError(std::string failure, const std::filesystem::path& path, std::string rest)
    : std::runtime_error(Compose(failure, path.string(), rest)),
      failure_(std::move(failure)),
      path_(path.string()),
      rest_(std::move(rest)) {}

std::string PathError::Message(std::string (*shownPath)(std::string_view)) const {
  return failure_.empty() ? what() : Compose(failure_, shownPath(path_), rest_);
}

}  // namespace brolt
