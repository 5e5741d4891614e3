// A file written beside the one it replaces and moved over it only once it is complete, so a
// save that fails half-way never destroys the file that was there.
#pragma once

#include "platform/framework/win32_handles.h"

#include <string>

namespace bndx {

class ReplacingFile {
public:
    // Opens a new file in the target's folder; IsOpen tells whether that worked.
    explicit ReplacingFile(std::string target);
    // A file never committed is deleted, and the target stays as it was.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool IsOpen() const { return static_cast<bool>(file_); }
    // For writers that take a file handle; its failures are the caller's to report to Fail.
    HANDLE Handle() const { return file_.Get(); }
    // Appends bytes; false (and from then on every later step) when writing failed.
    bool Write(const void* data, size_t size);
    // Marks the file as failed, so that Commit leaves the target alone.
    void Fail() { failed_ = true; }
    // Puts the file in the target's place; false when anything went wrong.
    bool Commit();

private:
    void Discard();

    std::string target_;
    std::string temporary_;
    UniqueFile file_;
    bool failed_ = false;
};

} // namespace bndx
