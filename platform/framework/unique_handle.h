// One owner for every kind of handle the programs acquire and must give back: the traits say
// what an empty handle is and how one is given back, the owner makes sure it happens exactly once.
// Portable on purpose: the rules of owning are tested on the host with handles of no platform.
#pragma once

#include <utility>

namespace bndx {

// Traits: `using Type = ...;`, `static Type Invalid()` (what holds nothing) and
// `static bool Close(Type)` (gives a handle back; false when the platform refused).
template <typename Traits> class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    // Taking over from itself keeps the handle: Release empties it before Reset closes anything.
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return !(handle_ == Traits::Invalid()); }

    // Hands the handle to the caller, who then gives it back.
    Type Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    // Gives back what is held and holds `handle` instead; false when giving back failed, which
    // some callers report. Holding the same handle again would close one still in use, so that
    // keeps it.
    bool Reset(Type handle = Traits::Invalid()) noexcept {
        if (handle_ == handle)
            return true;
        const Type old = std::exchange(handle_, handle);
        return old == Traits::Invalid() || Traits::Close(old);
    }

private:
    Type handle_ = Traits::Invalid();
};

namespace handle_traits {

// For the traits of handles that are null when they hold nothing.
template <typename T> struct NullIsNone {
    using Type = T;
    static Type Invalid() { return nullptr; }
};

} // namespace handle_traits

} // namespace bndx
