// The platform of the reader's windows.
#include "platform/qt/qt_platform.h"

namespace zeb {

QtPlatform::QtPlatform()
    : services_{&messages, &environment, &settings, &shell, &clipboard, &measurer, &events} {}

}  // namespace zeb
