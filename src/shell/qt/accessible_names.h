// Accessible names for a window's controls, so that screen readers and accessibility-based
// test tools find each control by what it shows.
#pragma once

class QWidget;

namespace zeb {

// Every named control of the window without an accessible name gets one: its shown text
// (without mnemonic marks), else the text of the label that names it (its buddy), else its
// hint, else its component name. Labels keep no fixed name: their text is their name, so
// that a changing label (a status bar message) is read as it changes. Menus and their items
// are named by Qt from their texts.
void publishAccessibleNames(QWidget& window);

}  // namespace zeb
