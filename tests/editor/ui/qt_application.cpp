// Widgets need one QApplication for the whole test program; the platform is offscreen (ctest sets
// QT_QPA_PLATFORM), so no display is needed.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QApplication::instance() == nullptr) application_ = new QApplication(argc_, argv_);
  }

 private:
  int argc_ = 1;
  char name_[16] = "test_editor_ui";
  char* argv_[2] = {name_, nullptr};
  QApplication* application_ = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
