#pragma once
// The window fonts by name, each with faces of similar width to fall back on
// where the named one is not installed.
#include <QFont>

namespace platform {

// "MS Sans Serif", 11 pixels: the main window's font.
QFont WindowFont();
// "宋体" (the Song typeface), 13 pixels: the wireless page's and the IP
// settings dialog's font.
QFont SongFont();

}  // namespace platform
