// View > Night mode and View > Dim pictures at night: the choice as the reader keeps it, and
// the night setting it starts with.
#pragma once

#include "view/night_colours.h"

namespace zeb {
class SettingsStore;
}  // namespace zeb

namespace zeb::shell {

// The night setting at start: the user's choice when one was made, else the desktop's (night
// when its colours are dark), pictures as they are.
NightView startingNightView(const SettingsStore& settings, bool desktopDark);
// Keeps the user's choice.
void rememberNightView(SettingsStore& settings, const NightView& view);

}  // namespace zeb::shell
