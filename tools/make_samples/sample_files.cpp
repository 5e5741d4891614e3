#include "tools/make_samples/sample_files.h"

#include "common/file_headers.h"
#include "editor/documents/foreground_lines.h"
#include "platform/dib/dib_core.h"

#include <cstring>

namespace bndx::samples {

bool BackgroundFileBytes(const SampleBackground& background, const std::vector<uint8_t>& bitmapFile,
                         std::vector<uint8_t>* file) {
    dib::DibLayout layout;
    if (!dib::PlanFileImage(bitmapFile.data(), bitmapFile.size(), &layout))
        return false;
    std::vector<uint8_t> packed(layout.packedSize);
    if (!dib::BuildPackedDib(bitmapFile.data(), bitmapFile.size(), layout, packed.data()))
        return false;

    const BackgroundFileHeader header = MakeBackgroundHeader(background.Description, background.ColourIndex);
    uint8_t fileHeader[dib::kFileHeaderSize];
    dib::MakeFileHeader(layout, fileHeader);
    file->resize(sizeof header);
    std::memcpy(file->data(), &header, sizeof header);
    file->insert(file->end(), fileHeader, fileHeader + sizeof fileHeader);
    file->insert(file->end(), packed.begin(), packed.end());
    return true;
}

std::vector<uint8_t> ForegroundSampleBytes(const SampleForeground& foreground) {
    const ForegroundFileHeader header =
        MakeForegroundHeader(foreground.Description, static_cast<int32_t>(foreground.Lines.size()));
    return ForegroundFileBytes(header, foreground.Lines);
}

} // namespace bndx::samples
