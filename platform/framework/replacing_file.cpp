#include "platform/framework/replacing_file.h"

namespace bndx {

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target)) {
    const size_t slash = target_.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? "." : target_.substr(0, slash + 1);
    char temporary[MAX_PATH];
    // The same folder keeps the final move a rename on one volume.
    if (!GetTempFileNameA(folder.c_str(), "bnd", 0, temporary))
        return;
    temporary_ = temporary;
    file_.Reset(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file_)
        DeleteFileA(temporary);
}

ReplacingFile::~ReplacingFile() {
    Discard();
}

void ReplacingFile::Discard() {
    if (file_) {
        file_.Reset();
        DeleteFileA(temporary_.c_str());
    }
}

bool ReplacingFile::Write(const void* data, size_t size) {
    if (failed_ || !IsOpen())
        return false;
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file_.Get(), bytes, chunk, &written, nullptr) || written != chunk) {
            failed_ = true;
            return false;
        }
        bytes += chunk;
        size -= chunk;
    }
    return true;
}

bool ReplacingFile::Commit() {
    if (failed_ || !IsOpen() || !FlushFileBuffers(file_.Get())) {
        Discard();
        return false;
    }
    file_.Reset();
    // A rename replaces a read-only file as readily as any other; the user marked it to be kept.
    const DWORD attributes = GetFileAttributesA(target_.c_str());
    if ((attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) ||
        !MoveFileExA(temporary_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary_.c_str());
        return false;
    }
    return true;
}

} // namespace bndx
