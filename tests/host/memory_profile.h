// A settings file held in memory: a key it lacks reads as the default.
#pragma once

#include "platform/framework/profile_store.h"

#include <map>
#include <string>

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
    }
    std::vector<std::string> ReadKeys(const char* section) override {
        std::vector<std::string> keys;
        for (const auto& [where, value] : values)
            if (where.first == section)
                keys.push_back(where.second);
        return keys;
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
    int stringReads = 0;
};

} // namespace bndx::test
