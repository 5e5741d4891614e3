// Printing a view the least way that works: the platform's print dialogs, the view drawn onto
// one page, and a preview window showing that page.
#pragma once

#include <windows.h>

namespace bndx {

class View;

// Print Setup: the printer and its options, kept for the program's later printing.
void ShowPrintSetup(HWND owner);
// Prints the view on one page; direct skips the print dialog and uses the chosen printer.
void PrintView(View& view, HWND owner, const char* documentName, bool direct);
// Shows the page as it would print, in a window of its own; Esc or a click closes it.
void ShowPrintPreview(View& view, HWND owner);

} // namespace bndx
