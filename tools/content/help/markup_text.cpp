#include "tools/content/help/markup_text.h"

#include <algorithm>

#include "common/numeric.h"

namespace brolt::content {

namespace {
constexpr int kLineWidth = 60;  // 600 pixels at the help text size of 10
constexpr std::string_view kGlyphs = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789()!-?.,':%$@#&*=+<>^[]{}/\\";

std::string WithoutSpaces(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != ' ') out.push_back(c);
  }
  return out;
}
}  // namespace

bool IsDrawableText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return c == ' ' || kGlyphs.find(static_cast<char>(ToUpperAscii(std::string(1, c))[0])) != std::string_view::npos;
  });
}

std::vector<std::string> WrapMarkupText(std::string_view markup) {
  // Positions below are 1-based, as the drawing counts them.
  std::string text = TrimSpaces(markup) + " ";
  auto lines = RoundHalfEven(static_cast<double>(text.size()) / kLineWidth + 1);
  // Words longer than a line are broken by a space after every 60 characters.
  std::string broken;
  std::size_t lastSpace = 1;
  for (std::size_t i = 1; i + 1 <= text.size(); ++i) {
    if (text[i - 1] == ' ') lastSpace = i;
    if (i == lastSpace + kLineWidth) {
      broken.push_back(' ');
      lastSpace = i;
    }
    broken.push_back(text[i - 1]);
  }
  text = broken + " ";
  std::vector<std::string> drawn;
  std::size_t pos = 1;
  for (std::int64_t line = 0; line < lines; ++line) {
    if (pos > 1) {
      std::size_t lowest = pos > kLineWidth ? pos - kLineWidth : 1;
      for (std::size_t k = pos; k >= lowest; --k) {
        if (k <= text.size() && text[k - 1] == ' ') {
          pos = k + 1;
          break;
        }
      }
    }
    std::string chunk = pos <= text.size() ? text.substr(pos - 1, kLineWidth + 1) : std::string();
    std::size_t space = chunk.rfind(' ');
    if (space != std::string::npos) {
      chunk.resize(space);
      pos += kLineWidth;
    }
    drawn.push_back(TrimSpaces(chunk));
  }
  return drawn;
}

bool MarkupFits(std::string_view text, int maxLines) {
  std::vector<std::string> lines = WrapMarkupText(text);
  std::string shown;
  int used = 0;
  for (const std::string& line : lines) {
    shown += line;
    if (!line.empty()) ++used;
  }
  return used <= maxLines && WithoutSpaces(shown) == WithoutSpaces(text);
}

}  // namespace brolt::content
