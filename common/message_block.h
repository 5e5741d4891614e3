// The 512-byte message block that Bandpost carries among its resources: how its text is read,
// how the editor writes a new text into a copy of the program, and how that copy's block is found.
// Header-only and free of any runtime call, so that Bandpost can use it without a C runtime.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bndx {

constexpr size_t kMessageBlockSize = 512;
constexpr size_t kMaxMessageLength = kMessageBlockSize - 1;
constexpr int kMessageBlockResourceId = 102;
constexpr char kMessageBlockResourceType[] = "BNDX_MAIL_FOREGROUND";

// The block as built: this text, then spaces to the end, no NUL.
constexpr char kInitialMessage[] = "Sample Text Start";
constexpr size_t kInitialMessageLength = sizeof(kInitialMessage) - 1;

// Length of the text a block holds. Trailing spaces are trimmed only where they run up to
// byte 510, so spaces a writer put before its NUL stay. Byte 511 is never part of the text.
constexpr size_t MessageTextLength(const char* block) {
    size_t end = kMaxMessageLength;
    if (block[kMaxMessageLength - 1] == ' ') {
        end = kMaxMessageLength - 1;
        while (end > 0 && block[end - 1] == ' ')
            --end;
    }
    for (size_t i = 0; i < end; ++i)
        if (block[i] == '\0')
            return i;
    return end;
}

// Writes text and one NUL over the start of a block; what lies beyond stays. Texts longer
// than the block can hold are cut to kMaxMessageLength. Returns the number of characters kept.
inline size_t WriteMessageText(char* block, const char* text, size_t length) {
    if (length > kMaxMessageLength)
        length = kMaxMessageLength;
    for (size_t i = 0; i < length; ++i)
        block[i] = text[i];
    block[length] = '\0';
    return length;
}

constexpr bool IsInitialBlockAt(const uint8_t* image, size_t offset) {
    for (size_t i = 0; i < kMessageBlockSize; ++i) {
        const char expected = i < kInitialMessageLength ? kInitialMessage[i] : ' ';
        if (image[offset + i] != static_cast<uint8_t>(expected))
            return false;
    }
    return true;
}

constexpr size_t kNoMessageBlock = static_cast<size_t>(-1);

// Offset of the unwritten block in a program image, found by its initial content; kNoMessageBlock
// when the image holds none, or more than one and so no single place to write.
constexpr size_t FindMessageBlock(const uint8_t* image, size_t size) {
    size_t found = kNoMessageBlock;
    for (size_t offset = 0; size >= kMessageBlockSize && offset <= size - kMessageBlockSize; ++offset) {
        if (image[offset] == static_cast<uint8_t>(kInitialMessage[0]) && IsInitialBlockAt(image, offset)) {
            if (found != kNoMessageBlock)
                return kNoMessageBlock;
            found = offset;
        }
    }
    return found;
}

} // namespace bndx
