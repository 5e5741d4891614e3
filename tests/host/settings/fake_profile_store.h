// A settings file in memory, read the way the platform's profile functions read one.
#pragma once

#include "painter/settings/profile_store.h"

#include <cstdlib>
#include <map>
#include <string>
#include <utility>

namespace bndx::test {

class FakeProfileStore : public ProfileStore {
public:
    std::string ReadString(const char* section, const char* key, const std::string& defaultValue) override {
        const auto found = values.find({section, key});
        return found == values.end() ? defaultValue : found->second;
    }
    // Text that is not a number reads as 0, as it does from a real file.
    int32_t ReadInt(const char* section, const char* key, int32_t defaultValue) override {
        const auto found = values.find({section, key});
        return found == values.end() ? defaultValue
                                     : static_cast<int32_t>(std::strtoll(found->second.c_str(), nullptr, 10));
    }
    void WriteString(const char* section, const char* key, const std::string& value) override {
        values[{section, key}] = value;
    }
    const std::string& At(const char* section, const std::string& key) const { return values.at({section, key}); }

    std::map<std::pair<std::string, std::string>, std::string> values;
};

} // namespace bndx::test
