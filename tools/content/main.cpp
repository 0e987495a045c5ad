// brolt_content: writes the default content into the program folder. Run by the build.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "tools/content/content_generator.h"

namespace {
void PrintUsage() {
  std::fprintf(stderr,
               "usage: brolt_content --data <folder> --dist <program folder> [--preview <folder>]\n"
               "                    [--pack-staging <folder>] [--panels]\n");
}
}  // namespace

int main(int argc, char** argv) {
  brolt::content::GeneratorOptions options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--data" && hasValue) options.dataFolder = argv[++i];
    else if (arg == "--dist" && hasValue) options.distFolder = argv[++i];
    else if (arg == "--preview" && hasValue) options.previewFolder = argv[++i];
    else if (arg == "--pack-staging" && hasValue) options.packStagingFolder = argv[++i];
    else if (arg == "--panels") options.texturePanels = true;
    else {
      PrintUsage();
      return 2;
    }
  }
  if (options.dataFolder.empty() || options.distFolder.empty()) {
    PrintUsage();
    return 2;
  }
  // Fonts need a GUI application; the offscreen platform needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication application(qtArgc, argv);
  try {
    brolt::content::GenerateContent(options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "brolt_content: %s\n", error.what());
    return 1;
  }
  return 0;
}
