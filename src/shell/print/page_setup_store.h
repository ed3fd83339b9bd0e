// The page set-up as the settings store keeps it: a section of printer profiles with the
// printer's names and its paper, and the margins in hundredths of a millimetre.
#pragma once

#include <string_view>

#include "platform/printer.h"

namespace zeb {

class SettingsStore;

// The key of the printer profiles, and the section the reader's page set-up uses.
inline constexpr std::string_view printerProfilesKey = "\\Software\\KX\\printerProfiles";
inline constexpr std::string_view pageSetupSection = "PrinterSettings1";

// The stored page set-up of the section; the defaults (A4, portrait, 25 mm margins, the
// default printer) where nothing was saved, and for each value that is missing or out of
// range.
PageSetup loadPageSetup(const SettingsStore& settings, std::string_view section = pageSetupSection);
void savePageSetup(SettingsStore& settings, const PageSetup& setup, std::string_view section = pageSetupSection);

}  // namespace zeb
