#pragma once

#include "app/settings.h"

#include <map>
#include <string>

namespace tarnivel {

// Settings kept in memory. Every write is logged in order as "Key=text ", a flush as "flush".
struct MemorySettings final : SettingsBackend {
    std::map<std::string, std::string, std::less<>> values;
    std::string log;

    std::optional<std::string> value(std::string_view, std::string_view,
                                     std::string_view key) override
    {
        return values.contains(key) ? std::optional(values.find(key)->second) : std::nullopt;
    }
    void setValue(std::string_view, std::string_view, std::string_view key,
                  std::string_view text) override
    {
        values.insert_or_assign(std::string(key), std::string(text));
        log.append(key).append("=").append(text).append(" ");
    }
    void flush() override { log += "flush"; }
};

} // namespace tarnivel
