#pragma once

#include <string>
#include <string_view>

namespace tarnivel {

// Desktop entries (the freedesktop.org Desktop Entry format) for starting with the session.

// One argument of an Exec line: in double quotes, with '"', '`', '$' and '\' escaped by a
// backslash, and '%' doubled so that it is no field code.
std::string quoteExecArgument(std::string_view argument);

// A string value as a desktop entry file holds it: backslash, newline, tab and carriage return
// written as \\, \n, \t and \r.
std::string escapeStringValue(std::string_view value);

// A complete entry that starts `program` (its absolute path, no arguments) under `name`.
std::string autostartEntry(std::string_view name, std::string_view program);

// Whether the entry's [Desktop Entry] group tells the session not to start it: Hidden=true, or
// X-GNOME-Autostart-enabled=false, which GNOME's start-up settings write to switch it off.
bool isSwitchedOffEntry(std::string_view text);

} // namespace tarnivel
