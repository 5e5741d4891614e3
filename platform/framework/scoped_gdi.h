// Owners for device contexts and drawing objects made for one paint, so that every one of them
// is released before the paint returns, whichever way it returns.
#pragma once

#include "platform/framework/unique_handle.h"

#include <windows.h>

#include <utility>

namespace bndx {

namespace handle_traits {

struct GdiObject : NullIsNone<HGDIOBJ> {
    static bool Close(Type object) { return DeleteObject(object) != FALSE; }
};

// A DC made by CreateDC or CreateCompatibleDC.
struct CreatedDc : NullIsNone<HDC> {
    static bool Close(Type dc) { return DeleteDC(dc) != FALSE; }
};

// A window's DC from GetDC or GetWindowDC goes back to the window it came from.
struct WindowAndDc {
    HWND window;
    HDC dc;
    bool operator==(const WindowAndDc& other) const { return window == other.window && dc == other.dc; }
};
struct ReleasedDc {
    using Type = WindowAndDc;
    static Type Invalid() { return {nullptr, nullptr}; }
    static bool Close(Type handle) { return ReleaseDC(handle.window, handle.dc) != 0; }
};

} // namespace handle_traits

// A pen, brush, region, bitmap, palette or font of our own, deleted when the owner goes.
using GdiObject = UniqueHandle<handle_traits::GdiObject>;

// A printer's DC, or any other from CreateDC.
using UniqueDc = UniqueHandle<handle_traits::CreatedDc>;

// An off-screen surface compatible with another.
class MemoryDc : public UniqueDc {
public:
    explicit MemoryDc(HDC compatibleWith) : UniqueDc(CreateCompatibleDC(compatibleWith)) {}
};

// A window's drawing surface, given back to the window when the owner goes.
class BorrowedDc {
public:
    HDC Get() const { return owner_.Get().dc; }

protected:
    BorrowedDc(HWND window, HDC dc) : owner_({window, dc}) {}

private:
    UniqueHandle<handle_traits::ReleasedDc> owner_;
};

// The client area's drawing surface of a window; of the screen for no window.
class ClientDc : public BorrowedDc {
public:
    explicit ClientDc(HWND window) : BorrowedDc(window, GetDC(window)) {}
};

// The whole-window drawing surface of a window, origin at its outer top-left corner.
class WindowDc : public BorrowedDc {
public:
    explicit WindowDc(HWND window) : BorrowedDc(window, GetWindowDC(window)) {}
};

// Selects an object into a device context for a scope: the previous one goes back first, then the
// object is deleted if it was handed over as a GdiObject.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, GdiObject object) : dc_(dc), owned_(std::move(object)), previous_(Select(owned_.Get())) {}
    // Selects an object that belongs to someone else; nothing is selected for none.
    ScopedSelect(HDC dc, HGDIOBJ borrowed) : dc_(dc), previous_(Select(borrowed)) {}
    ~ScopedSelect() {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HGDIOBJ Select(HGDIOBJ object) { return object ? SelectObject(dc_, object) : nullptr; }

    HDC dc_;
    GdiObject owned_;
    HGDIOBJ previous_;
};

} // namespace bndx
