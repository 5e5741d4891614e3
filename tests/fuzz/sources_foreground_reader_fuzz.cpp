// Text foreground files come from anywhere (mail, downloads): the reader must take any bytes.
#include "painter/sources/foreground_file.h"
#include "painter/sources/line_rotation.h"

#include <cstring>

namespace {

class FuzzEntry : public bndx::CSourceEntry {
public:
    FuzzEntry() : CSourceEntry(0) {}
    int16_t Configure() override { return 0; }
};

int FixedRandom() {
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzEntry entry;
    bndx::ForegroundFileHeader header;
    bndx::ReadForegroundFile(data, size, header, entry);
    if (std::strlen(entry.Description) >= bndx::kDescriptionFieldSize + 1)
        __builtin_trap();
    // Every line read can be shown: walk the rotation once round.
    char buffer[bndx::kLineBufferSize];
    for (int32_t i = 0; i <= entry.Lines.GetCount(); ++i) {
        bndx::CopyNextLine(entry.Lines, buffer, sizeof(buffer), FixedRandom);
        if (std::strlen(buffer) >= sizeof(buffer))
            __builtin_trap();
    }
    bndx::RotationCounter = bndx::kRotationUnset;
    return 0;
}
