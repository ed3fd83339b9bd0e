// What accessibility tools (screen readers, through AT-SPI) learn of a page: its text box
// window is a read-only Document with the page's reading text (export/reading_text.h), its
// caret, selection, boundaries, character rectangles and attributes; its links are Link
// children that can be pressed, its tables Table children over their cells' texts, and its
// pictures (Graphic) and form controls the controls they are, all in text order. A picture's
// hot zones are Links.
#pragma once

#include <functional>

class QAccessibleEvent;

namespace zeb {

class TextBoxWidget;

// Makes Qt describe text box windows, pictures and hot zones through these interfaces; once
// is enough.
void installPageAccessibility();

// Tells accessibility tools where the caret and the selection of the window are now, when
// they moved since the last call.
void announceCaret(TextBoxWidget& window);
// Tells them that the window shows a new text.
void announceText(TextBoxWidget& window);
// Every event these announce also goes to the observer while one is set: Qt hands events
// to accessibility tools (and to its update handler) only while a platform bridge is
// active, which the offscreen platform of the tests has none of.
void setAccessibilityObserver(std::function<void(QAccessibleEvent&)> observer);

}  // namespace zeb
