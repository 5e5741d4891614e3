// Another program's windows as a user meets them, worked with posted clicks and keys.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bndx::e2e {

constexpr char kOpenTitle[] = "Open";
constexpr char kSaveAsTitle[] = "Save As";

std::string TextOf(HWND window);
std::vector<HWND> VisibleWindowsOf(DWORD processId);
std::string DescribeVisible(DWORD processId);

// Shown or not; any title when null, any window when controlId is 0.
HWND WaitForWindowOf(DWORD processId, const char* title, int controlId, DWORD timeoutMs = 0);
HWND WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs = 0);
std::string MessageBoxText(HWND box);
HWND WaitForFileDialog(DWORD processId, const char* title, DWORD timeoutMs = 5000);
std::string FileDialogName(HWND dialog);
// An empty path keeps the name the program proposed; true once the dialog has gone.
bool ChooseFile(HWND dialog, const std::string& path = {});

bool IsInFront(HWND window);
bool BringToFront(HWND window);

// Posted, as the mouse would press it: disabled buttons do nothing.
void Click(HWND dialog, int buttonId);
bool IsEnabled(HWND dialog, int controlId);
bool IsChecked(HWND dialog, int buttonId);
void PressKey(HWND window, WORD virtualKey);
// One character at a time, each raising the change notification; true once it shows.
bool TypeText(HWND edit, const std::string& text);
void MoveSlider(HWND dialog, int sliderId, int position);
void ChooseComboItem(HWND dialog, int comboId, int index);

// Changed as a click changes it, its owner told before the click returns.
class ListBox {
public:
    ListBox(HWND dialog, int id) : dialog_(dialog), id_(id), list_(GetDlgItem(dialog, id)) {}
    HWND Handle() const { return list_; }
    int Count() const;
    std::string Text(int row) const;
    std::vector<std::string> Texts() const;
    int ItemHeight() const;
    std::vector<int> Selected() const;
    int RowOf(const std::string& text) const;
    void ClickRow(int row) const;

private:
    HWND dialog_;
    int id_;
    HWND list_;
};

} // namespace bndx::e2e
