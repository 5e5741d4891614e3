// A settings file held in memory: a key it lacks reads as the default.
#pragma once

#include "platform/framework/profile_store.h"

#include <map>
#include <string>
#include <vector>

namespace bndx::test {

struct MemoryProfile : ProfileStore {
    std::string ReadString(const char* section, const char* key, const std::string& defaultValue) override {
        ++stringReads;
        return values.count({section, key}) ? values[{section, key}] : defaultValue;
    }
    int32_t ReadInt(const char* section, const char* key, int32_t defaultValue) override {
        return values.count({section, key}) ? std::stoi(values[{section, key}]) : defaultValue;
    }
    void WriteString(const char* section, const char* key, const std::string& value) override {
        values[{section, key}] = value;
        written.push_back(key);
    }
    std::vector<ProfileEntry> ReadSection(const char* section) override {
        ++sectionReads;
        std::vector<ProfileEntry> entries;
        for (const auto& [where, value] : values)
            if (where.first == section)
                entries.push_back({where.second, value});
        return entries;
    }
    // Every value, section by section in key order, as "[Section] Key=value ...".
    std::string Text() const {
        std::string text, section;
        for (const auto& [where, value] : values) {
            if (where.first != section)
                text += "[" + (section = where.first) + "] ";
            text += where.second + "=" + value + " ";
        }
        return text;
    }
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> written; // every key written, in order
    int stringReads = 0;
    int sectionReads = 0;
};

} // namespace bndx::test
