// Tells Banderix's main window that a file was added to or written in one of its data folders,
// so that a background or foreground saved while it runs is listed without a restart.
#pragma once

#include "platform/framework/win32_handles.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bndx {

class FolderWatcher {
public:
    // Watches the folders that exist. A change is posted to the window as WM_DATA_FOLDER_CHANGED
    // from the system's wait thread; the window hands it to OnMessage, and settled runs on the
    // window's thread once the folders have been quiet for a moment, so that a file still being
    // written is read when its writer is done and a burst of files is read in one look.
    FolderWatcher(HWND window, const std::vector<std::string>& folders, std::function<void()> settled);
    // Waits for a wait callback that is running; none posts after this.
    ~FolderWatcher();
    FolderWatcher(const FolderWatcher&) = delete;
    FolderWatcher& operator=(const FolderWatcher&) = delete;

    // True for the watcher's own messages (WM_DATA_FOLDER_CHANGED and its timer).
    bool OnMessage(UINT message, WPARAM wParam);

private:
    struct Folder {
        FolderWatcher* watcher;
        UniqueChangeNotification change;
        UniqueRegisteredWait wait;
    };
    static void CALLBACK OnChange(void* folder, BOOLEAN timedOut);

    HWND window_;
    std::function<void()> settled_;
    std::vector<std::unique_ptr<Folder>> folders_;
};

} // namespace bndx
