// The private window messages of Banderix's main window. Bandpost and the hook module post
// some of them from other processes, so the numbers are fixed.
#pragma once

namespace bndx {

constexpr unsigned int kWmUser = 0x0400;

constexpr unsigned int WM_PAINT_CAPTION = kWmUser + 100;       // from the hook module: repaint this window's caption
constexpr unsigned int WM_TRAY_CALLBACK = kWmUser + 101;       // from the tray icon
constexpr unsigned int WM_EXCLUDE_WINDOW = kWmUser + 102;      // from Bandpost: leave this caption alone (0: none)
constexpr unsigned int WM_HIDE_SELECTOR = kWmUser + 103;       // posted to itself: hide the main window
constexpr unsigned int WM_DATA_FOLDER_CHANGED = kWmUser + 104; // posted to itself: a data folder changed

// WM_PAINT_CAPTION's wParam: 0 names a window whose caption the system redraws; this value names
// a top-level window that moved, changed size or order, or went away, and so may have uncovered
// other windows' captions, which the system can show again in its own way without a message.
constexpr unsigned int kCaptionsUncovered = 1;

// The title by which other programs find Banderix's main window.
constexpr char kPainterWindowTitle[] = "Banderix";

// The window class of the windows Banderix shows over other windows' captions.
constexpr char kOverlayWindowClass[] = "BanderixOverlay";

} // namespace bndx
