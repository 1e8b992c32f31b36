#pragma once

#include "app/settings.h"

#include <map>
#include <string>
#include <vector>

namespace tarnivel::test {

// An in-memory store that also records every call, in order, as "read Key", "write Key=text"
// and "flush", with the application and section checked on the way.
class MemoryBackend final : public SettingsBackend {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::vector<std::string> calls;

    std::optional<std::string> value(std::string_view app, std::string_view section,
                                     std::string_view key) override
    {
        calls.push_back(where(app, section) + "read " + std::string(key));
        const auto it = values.find(key);
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
    void setValue(std::string_view app, std::string_view section, std::string_view key,
                  std::string_view text) override
    {
        calls.push_back(where(app, section) + "write " + std::string(key) + "=" +
                        std::string(text));
        values.insert_or_assign(std::string(key), std::string(text));
    }
    void flush() override { calls.push_back("flush"); }

private:
    // Empty for the one application and section; anything else shows up in the call list.
    static std::string where(std::string_view app, std::string_view section)
    {
        if (app == kAppName && section == kSection)
            return {};
        return std::string(app) + "/" + std::string(section) + ": ";
    }
};

} // namespace tarnivel::test
