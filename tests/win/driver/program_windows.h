// Another program's windows as a user meets them: found by process, title and the controls
// they hold, read through what the controls answer, and worked with posted clicks and keys.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bndx::e2e {

std::string TextOf(HWND window);
// A control's text asked for in its own wide characters, as the program's code page spells it.
std::string Narrow(const wchar_t* text);
std::vector<HWND> TopLevelWindowsOf(DWORD processId);

// The first top-level window of the process whose title is title (any title when null) and
// which holds a control with the id (any window when 0); null when there is none.
HWND FindWindowOf(DWORD processId, const char* title, int controlId = 0);
HWND WaitForWindowOf(DWORD processId, const char* title, int controlId, DWORD timeoutMs);
std::vector<HWND> VisibleWindowsOf(DWORD processId);
// The titles and classes of the process's visible windows, for failure messages.
std::string DescribeVisible(DWORD processId);

bool IsInFront(HWND window);
// Makes the window the foreground window and waits until it is.
bool BringToFront(HWND window);

// A button pressed as the mouse would press it: disabled buttons do nothing, and the
// handler runs in the program's own time.
void Click(HWND dialog, int buttonId);
bool IsEnabled(HWND dialog, int controlId);
bool IsChecked(HWND dialog, int buttonId);
// A key pressed and released while the window's thread has the keyboard focus where it is.
void PressKey(HWND window, WORD virtualKey);
// Text typed into an edit control, replacing all it held, as the keyboard types it: one
// character message at a time, each raising the control's change notification. True once
// the control shows the text.
bool TypeText(HWND edit, const std::string& text);
// A command chosen from the window's menu, handled in the program's own time.
void ChooseCommand(HWND window, UINT commandId);
// The popup of the window's menu bar whose mnemonic is the letter, opened as Alt and the
// letter open it, so that the program brings its items up to date first; returned once it is
// drawn on the screen, null when none opened.
HWND OpenMenu(HWND window, char mnemonic);
// Leaves the menu as Escape does, popup and menu bar both; true once no popup is shown and the
// screen no longer shows it.
bool CloseMenu(HWND window);

// A command from a control, delivered and handled before this returns, as the control itself
// would send it (for notifications that open nothing modal).
void Notify(HWND dialog, int controlId, WORD code);

// A slider moved to a position, as dragging it would leave it.
void MoveSlider(HWND dialog, int sliderId, int position);
// The item of a drop-down list chosen with the mouse.
void ChooseComboItem(HWND dialog, int comboId, int index);
std::vector<std::string> ComboItems(HWND dialog, int comboId);

// A message box of the process with this caption (one of the system's dialogs holding only
// static texts and push buttons); null when none is shown.
HWND FindMessageBox(DWORD processId, const char* caption);
HWND WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs);
// The text the box shows, its lines as the box holds them.
std::string MessageBoxText(HWND box);

} // namespace bndx::e2e
