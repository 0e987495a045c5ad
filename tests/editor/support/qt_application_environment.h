#pragma once
// Widgets need one QApplication for the whole test program; the platform is offscreen (ctest sets
// QT_QPA_PLATFORM), so no display is needed. Each widget test program registers this once.
#include <QApplication>
#include <gtest/gtest.h>

#include <string>

#include "editor/ui/qt/design_font.h"

namespace brolt::testing {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  explicit QtApplicationEnvironment(std::string programName) : name_(std::move(programName)) {}

  void SetUp() override {
    if (QApplication::instance() != nullptr) return;
    application_ = new QApplication(argc_, argv_);
    // As the editor starts: the widgets are measured in the font they are shown in.
    editor::UseDesignFont();
  }

 private:
  std::string name_;
  int argc_ = 1;
  char* argv_[2] = {name_.data(), nullptr};
  QApplication* application_ = nullptr;
};

}  // namespace brolt::testing
