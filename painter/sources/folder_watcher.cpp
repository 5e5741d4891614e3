#include "painter/sources/folder_watcher.h"

#include "common/painter_messages.h"

namespace bndx {

namespace {

// A file is written in several steps, each one reported; the folder is read once they stop.
constexpr UINT kQuietMs = 200;
// Beyond the painting engine's timers.
constexpr UINT_PTR kSettleTimer = 100;
constexpr DWORD kWatched = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;

} // namespace

FolderWatcher::FolderWatcher(HWND window, const std::vector<std::string>& folders, std::function<void()> settled)
    : window_(window), settled_(std::move(settled)) {
    for (const std::string& path : folders) {
        auto folder = std::make_unique<Folder>();
        folder->watcher = this;
        folder->change.Reset(FindFirstChangeNotificationA(path.c_str(), FALSE, kWatched));
        if (!folder->change)
            continue; // a folder that is not there has nothing to report
        HANDLE wait = nullptr;
        if (!RegisterWaitForSingleObject(&wait, folder->change.Get(), OnChange, folder.get(), INFINITE,
                                         WT_EXECUTEDEFAULT))
            continue;
        folder->wait.Reset(wait);
        folders_.push_back(std::move(folder));
    }
}

FolderWatcher::~FolderWatcher() {
    // The waits go before their notifications, each after its last callback has returned.
    for (auto& folder : folders_)
        folder->wait.Reset();
    KillTimer(window_, kSettleTimer);
}

void CALLBACK FolderWatcher::OnChange(void* context, BOOLEAN) {
    auto* folder = static_cast<Folder*>(context);
    // Rearmed before the post, so that a change made while the window reads is reported again.
    FindNextChangeNotification(folder->change.Get());
    PostMessageA(folder->watcher->window_, WM_DATA_FOLDER_CHANGED, 0, 0);
}

bool FolderWatcher::OnMessage(UINT message, WPARAM wParam) {
    if (message == WM_DATA_FOLDER_CHANGED) {
        SetTimer(window_, kSettleTimer, kQuietMs, nullptr); // each change starts the quiet time again
        return true;
    }
    if (message != WM_TIMER || wParam != kSettleTimer)
        return false;
    KillTimer(window_, kSettleTimer);
    settled_();
    return true;
}

} // namespace bndx
