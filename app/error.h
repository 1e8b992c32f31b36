#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tarnivel {

// The base of object-defined error numbers; every error the program raises carries it.
inline constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);

// The one exception type of the program: an error number and a description text.
class Error : public std::runtime_error {
public:
    Error(std::int32_t number, const std::string& description)
        : std::runtime_error(description), m_number(number)
    {}

    std::int32_t number() const noexcept { return m_number; }
    std::string description() const { return what(); }

private:
    std::int32_t m_number;
};

} // namespace tarnivel
