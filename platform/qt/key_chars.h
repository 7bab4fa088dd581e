#pragma once
// The characters a key press types, as the original toolkit's key-press event
// reports them: printable characters one UTF-16 unit at a time, Backspace 8,
// Tab 9, Enter 13, Escape 27 and Ctrl+A..Ctrl+Z 1..26 (Ctrl+V is 22).
// Keys that type nothing (arrows, Delete, function keys) give no characters.
#include <QString>

class QKeyEvent;

namespace platform {

QString TypedChars(const QKeyEvent& event);

}  // namespace platform
