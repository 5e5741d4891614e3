#include "painter/sources/line_rotation.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace bndx {

int32_t RotationCounter = kRotationUnset;

int SeededRandom() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return std::rand();
}

int32_t AdvanceRotation(int32_t lineCount, int (*random)()) {
    if (lineCount <= 0)
        return -1;
    if (RotationCounter == kRotationUnset)
        RotationCounter = random() % lineCount;
    ++RotationCounter;
    if (RotationCounter >= lineCount)
        RotationCounter = 0;
    return RotationCounter;
}

void CopyNextLine(const CItemList& lines, char* buffer, size_t size, int (*random)()) {
    buffer[0] = '\0';
    const int32_t index = AdvanceRotation(lines.GetCount(), random);
    if (index < 0)
        return;
    const char* line = static_cast<const char*>(lines.GetAt(index));
    const size_t length = strnlen(line, size - 1);
    std::memcpy(buffer, line, length);
    buffer[length] = '\0';
}

} // namespace bndx
