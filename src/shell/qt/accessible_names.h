// Accessible names for a window's controls, so that screen readers and accessibility-based
// test tools find each control by what it shows.
#pragma once

class QWidget;

namespace zeb {

// Every named control of the window without an accessible name gets one: its shown text
// (without mnemonic marks), else its hint, else its component name. Menus and their items
// are named by Qt from their texts.
void publishAccessibleNames(QWidget& window);

}  // namespace zeb
