#include "editor/ui/qt/design_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace brolt::editor {

namespace {
constexpr const char* kDesignFamily = "Tahoma";
constexpr int kDesignPoints = 8;
// Measures within a few percent of Tahoma; the wider faces a system falls back to cut the
// designed texts off.
constexpr const char* kStandIn = "DejaVu Sans Condensed";
}  // namespace

void UseDesignFont() {
  if (!QFontDatabase::hasFamily(kDesignFamily)) QFont::insertSubstitution(kDesignFamily, kStandIn);
  QApplication::setFont(QFont(kDesignFamily, kDesignPoints));
}

}  // namespace brolt::editor
