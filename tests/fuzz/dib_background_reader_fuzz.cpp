// A background file as it reaches the caption painter: the 52-byte header, then the bitmap
// that the DIB reader checks and unpacks. Whatever it accepts must be an image in the library's
// own form that writes and reads back unchanged, and must fit into a caption strip.
#include "common/file_headers.h"
#include "platform/dib/dib_core.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace bndx::dib;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// The bytes the shell would hold as an image; empty when the source is refused.
std::vector<uint8_t> Unpack(const uint8_t* data, size_t size, bool (*plan)(const uint8_t*, size_t, DibLayout*)) {
    DibLayout layout;
    if (!plan(data, size, &layout))
        return {};
    Require(layout.packedSize <= kMaxPixelBytes + 1024 + 64);
    std::vector<uint8_t> packed(layout.packedSize);
    if (!BuildPackedDib(data, size, layout, packed.data()))
        return {};
    return packed;
}

void CheckImage(const std::vector<uint8_t>& packed, int64_t stripWidth, int64_t stripHeight) {
    DibLayout layout;
    Require(InspectPackedDib(packed.data(), packed.size(), &layout));
    Require(layout.packedSize == packed.size());

    std::vector<uint8_t> file(kFileHeaderSize);
    MakeFileHeader(layout, file.data());
    file.insert(file.end(), packed.begin(), packed.end());
    uint32_t fileSize; // bfSize
    std::memcpy(&fileSize, &file[2], sizeof fileSize);
    Require(fileSize == file.size());
    Require(Unpack(file.data(), file.size(), PlanFileImage) == packed);

    StripFit fit;
    if (FitToStrip(layout.header.width, layout.header.height, stripWidth, stripHeight, &fit)) {
        Require(fit.tileWidth >= 1 && fit.sourceWidth >= 1 && fit.sourceWidth <= layout.header.width);
        Require(fit.drawnWidth <= fit.tileWidth &&
                fit.drawnWidth >= (fit.tileWidth < stripWidth ? fit.tileWidth : stripWidth));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bndx::BackgroundFileHeader header;
    if (size < sizeof(header))
        return 0;
    std::memcpy(&header, data, sizeof(header));
    (void)bndx::DescriptionOf(header.Description);
    const uint8_t* image = data + sizeof(header);
    const size_t imageSize = size - sizeof(header);

    // The strip the picture goes into comes from the header's reserved bytes: any caption,
    // list row or preview the painter or the editor might hand over.
    const int64_t stripWidth = header.Reserved2[0] | header.Reserved2[1] << 8;
    const int64_t stripHeight = header.Reserved2[2] | (header.Reserved2[3] & 0x7F) << 8;

    const std::vector<uint8_t> fromFile = Unpack(image, imageSize, PlanFileImage);
    if (!fromFile.empty())
        CheckImage(fromFile, stripWidth, stripHeight);
    // The same bytes as a bitmap resource, which has no file header.
    const std::vector<uint8_t> fromResource = Unpack(image, imageSize, PlanPackedDib);
    if (!fromResource.empty())
        CheckImage(fromResource, stripWidth, stripHeight);
    // Bytes taken as one of the library's own images are exactly what unpacking them makes.
    DibLayout own;
    if (InspectPackedDib(image, imageSize, &own))
        Require(std::equal(fromResource.begin(), fromResource.end(), image) && fromResource.size() == own.packedSize);
    return 0;
}
