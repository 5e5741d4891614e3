// The bytes of the sample files, laid down by the same core functions Bandsmith saves with, so
// the samples are what a user would get by making them in the editor.
#pragma once

#include "tools/make_samples/sample_manifest.h"

#include <cstdint>
#include <vector>

namespace bndx::samples {

// A background file: its 52-byte header, then the picture in the bitmap file layout the editor
// writes (the packed DIB the library makes of the .bmp, behind its own file header). False when
// the DIB library refuses the bitmap, as Bandsmith would refuse it as an image.
bool BackgroundFileBytes(const SampleBackground& background, const std::vector<uint8_t>& bitmapFile,
                         std::vector<uint8_t>* file);

// A text foreground file holding the description and every line.
std::vector<uint8_t> ForegroundSampleBytes(const SampleForeground& foreground);

} // namespace bndx::samples
