// Compiled with music's include paths only: it must not find Qt.
#include "music/tabmodel.h"
#include <QString>
