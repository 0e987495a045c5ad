#include "editor/support/qt_application_environment.h"

namespace {

const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new brolt::testing::QtApplicationEnvironment("test_editor_program"));

}  // namespace
