#include "editor/ui/qt_text.h"
