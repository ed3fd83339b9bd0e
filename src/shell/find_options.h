// The search dialog's options kept in the settings under "finds": read when the dialog is
// shown, written when it is closed.
#pragma once

namespace zeb {

class SettingsStore;

struct FindOptions {
  bool wholeWord = false;
  bool ignoreCaps = true;
  // The replace page's confirmations and its "Start from:" choice (0 "Page 0", 1 "present
  // page"): kept only, the reader replaces nothing.
  bool confirmOne = false;
  bool confirmAll = false;
  int startFrom = 0;
  bool operator==(const FindOptions&) const = default;
};

// Takes the stored values: "1" or "0" for the switches and a decimal 0 or 1 for the choice;
// any other value, or none, leaves the option as it was.
void readFindOptions(const SettingsStore& settings, FindOptions& options);
void writeFindOptions(SettingsStore& settings, const FindOptions& options);

}  // namespace zeb
