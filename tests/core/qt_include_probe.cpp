// Compiled with core's include paths only: it must not find Qt.
#include "core/editor.h"
#include <QString>
