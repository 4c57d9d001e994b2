// The sizes and places of the top-level windows, remembered per user
// (QSettings of "Ostrane", group "Windows", one key per window's
// objectName) from one run of the program to the next.
#pragma once

class QWidget;

namespace ostrane {

// The objectName of the object KeepWindowGeometry gives a window.
inline constexpr const char* kGeometryKeeperName = "GeometryKeeper";

// Gives `window` the size and place it had when it was last saved; false
// (and the window untouched) when none was saved.
bool RestoreWindowGeometry(QWidget* window);
// Saves the size and place of `window`.
void SaveWindowGeometry(QWidget* window);

// Remembers a window that places itself when it is first shown: its saved
// size and place replace its own placement once it has made it, and they
// are saved whenever it is hidden (closed, or the program ends).  Once for
// each window.
void KeepWindowGeometry(QWidget* window);

}  // namespace ostrane
