// What accessibility tools learn of the check boxes and radio buttons a page draws itself:
// their role, their caption as name, and whether they are checked.
#pragma once

class QWidget;

namespace zeb {

class TMyyCheckedControl;

// Makes Qt describe every check control through the interface below; once is enough.
void installCheckControlAccessibility();
// Tells accessibility tools that the control was checked or cleared.
void checkedStateChanged(TMyyCheckedControl& control);

}  // namespace zeb
