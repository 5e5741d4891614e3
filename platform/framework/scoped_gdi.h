// Owners for device contexts and drawing objects made for one paint, so that every one of them
// is released before the paint returns, whichever way it returns.
#pragma once

#include "platform/framework/unique_handle.h"

#include <windows.h>

#include <utility>

namespace bndx {

namespace handle_traits {

// A drawing object held as its own kind (HFONT, HPALETTE, ...) or as any.
template <typename T> struct DrawingObject : NullIsNone<T> {
    static bool Close(T object) { return DeleteObject(object) != FALSE; }
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

// What a DC held before an object was selected into it, put back when the selection ends.
struct DcAndPrevious {
    HDC dc;
    HGDIOBJ previous;
    bool operator==(const DcAndPrevious& other) const { return dc == other.dc && previous == other.previous; }
};
struct Selection {
    using Type = DcAndPrevious;
    static Type Invalid() { return {nullptr, nullptr}; }
    static bool Close(Type handle) { return SelectObject(handle.dc, handle.previous) != nullptr; }
};

} // namespace handle_traits

// A pen, brush, region, bitmap, palette or font of our own, deleted when the owner goes.
using GdiObject = UniqueHandle<handle_traits::DrawingObject<HGDIOBJ>>;
// The same, for objects kept as their own kind.
using UniqueFont = UniqueHandle<handle_traits::DrawingObject<HFONT>>;
using UniquePalette = UniqueHandle<handle_traits::DrawingObject<HPALETTE>>;
using UniqueBitmap = UniqueHandle<handle_traits::DrawingObject<HBITMAP>>;
using UniqueRegion = UniqueHandle<handle_traits::DrawingObject<HRGN>>;
// What GetRandomRgn and GetClipRgn return when they gave a region.
constexpr int kRegionGiven = 1;

// An object selected into a DC, the DC's previous one selected back when the owner goes.
using UniqueSelection = UniqueHandle<handle_traits::Selection>;

// Selects the object; nothing is selected, and none is owned, for no object or when the DC
// refuses it.
inline UniqueSelection SelectInto(HDC dc, HGDIOBJ object) {
    HGDIOBJ previous = object ? SelectObject(dc, object) : nullptr;
    return UniqueSelection(previous ? handle_traits::DcAndPrevious{dc, previous} : handle_traits::DcAndPrevious{});
}

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
    ScopedSelect(HDC dc, GdiObject object) : owned_(std::move(object)), selection_(SelectInto(dc, owned_.Get())) {}
    // Selects an object that belongs to someone else; nothing is selected for none.
    ScopedSelect(HDC dc, HGDIOBJ borrowed) : selection_(SelectInto(dc, borrowed)) {}

private:
    // Declared first so that it goes last, once the selection has ended.
    GdiObject owned_;
    UniqueSelection selection_;
};

} // namespace bndx
