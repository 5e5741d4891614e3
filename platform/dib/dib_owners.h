// Owners for the library's images: UniqueDib gives an image back with DestroyDIB, LockedDib holds
// one's bytes locked for a scope and hands them out only when they are in the library's form.
#pragma once

#include "platform/dib/dib_core.h"
#include "platform/dib/dibutil.h"
#include "platform/framework/win32_handles.h"

namespace bndx {

namespace handle_traits {

struct Dib : NullIsNone<HDIB> {
    static bool Close(Type dib) { return DestroyDIB(dib) != FALSE; }
};

} // namespace handle_traits

// An image from ReadDIBFromFile, LoadDIB or the library's own making.
using UniqueDib = UniqueHandle<handle_traits::Dib>;

class LockedDib {
public:
    explicit LockedDib(HDIB dib) : bytes_(dib) {}

    // The bytes, when they hold an image in the library's own form; null otherwise.
    const uint8_t* Inspect(dib::DibLayout* layout) const {
        return bytes_.Get() && dib::InspectPackedDib(bytes_.Get(), bytes_.Size(), layout) ? bytes_.Get() : nullptr;
    }

private:
    LockedGlobal<const uint8_t> bytes_;
};

} // namespace bndx
