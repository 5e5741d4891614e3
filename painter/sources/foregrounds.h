// Foregrounds: text foreground files (.BXF), whose lines are scrolled in rotation, and add-in
// foreground modules (.BXA), which supply their texts themselves; and the collection of all of
// them that Banderix finds in its data folders.
#pragma once

#include "addins/foreground_addin.h"
#include "common/file_headers.h"
#include "painter/sources/line_rotation.h"
#include "painter/sources/line_source.h"
#include "painter/sources/source_entry.h"
#include "platform/framework/win32_handles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace bndx {

class CForegroundEntry : public CSourceEntry, public LineSource {
public:
    // Loads the foreground at the path: a text file when isAddIn is 0, else a module. Failures
    // are told to the user and leave the description empty.
    CForegroundEntry(const char* path, int32_t isAddIn);

    // Runs an add-in's own configuration; anything else cannot be configured.
    int16_t Configure() override;

    // The text for the next scroll, valid until the next call on this entry.
    const char* GetNextLine() override;

private:
    void LoadTextFile(const char* path);
    void LoadAddIn(const char* path);

    char lineBuffer_[kLineBufferSize] = {};
    ForegroundFileHeader header_ = {};
    UniqueModule module_;
    GetForegroundFunction getForeground_ = nullptr;
    CForegroundAddIn* addIn_ = nullptr;
};

class CForegroundCollection : public CEntryCollection {
public:
    // Every foreground of the folders (each ending in a backslash): of each folder in turn its
    // text foregrounds, then its add-ins.
    explicit CForegroundCollection(std::vector<std::string> folders);
    explicit CForegroundCollection(const std::string& dataDirectory)
        : CForegroundCollection(std::vector<std::string>{dataDirectory}) {}

private:
    void ScanFolder(const std::string& folder, size_t position) override;
};

} // namespace bndx
