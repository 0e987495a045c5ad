#include "editor/ui/qt/qt_text.h"
