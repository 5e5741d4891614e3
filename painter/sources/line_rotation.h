// Which line a text foreground scrolls next. One counter serves every text foreground of the
// process, so switching foregrounds carries on from the current count.
#pragma once

#include "painter/sources/item_list.h"

#include <cstddef>
#include <cstdint>

namespace bndx {

constexpr int32_t kRotationUnset = -1;
constexpr size_t kLineBufferSize = 512;

// The shared counter; unset until a text foreground is first asked for a line.
extern int32_t RotationCounter;

// Seeds the C runtime's generator with the time in seconds and draws from it: the first line
// shown after start is the one after a random line.
int SeededRandom();

// Moves the shared counter on for a foreground of lineCount lines and returns the index of the
// line to show, or -1 (counter untouched) when there are none.
int32_t AdvanceRotation(int32_t lineCount, int (*random)() = SeededRandom);

// Copies the next line of the list, in rotation, into the buffer, cut to fit and terminated;
// the empty text when the list has no lines.
void CopyNextLine(const CItemList& lines, char* buffer, size_t size, int (*random)() = SeededRandom);

} // namespace bndx
