// Owners for device contexts and drawing objects made for one paint, so that every one of them
// is released before the paint returns, whichever way it returns.
#pragma once

#include <windows.h>

#include <utility>

namespace bndx {

// A pen, brush, region, bitmap or font of our own, deleted when the owner goes.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object = nullptr) : object_(object) {}
    ~GdiObject() {
        if (object_)
            DeleteObject(object_);
    }
    GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GdiObject& operator=(GdiObject&&) = delete;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    HGDIOBJ Get() const { return object_; }

private:
    HGDIOBJ object_;
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

// The whole-window drawing surface of a window, origin at its outer top-left corner.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An off-screen surface compatible with another.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

} // namespace bndx
