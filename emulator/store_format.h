#pragma once
// Text form of the option store: one "name=value" line per option, with
// backslash escapes for the bytes that would break the line structure, so any
// value (every byte but NUL) comes back exactly as it was written.
#include <map>
#include <string>
#include <string_view>

namespace emulator {

using OptionMap = std::map<std::string, std::string>;

// Backslash as "\\", control bytes and DEL as "\xHH"; other bytes unchanged.
std::string EscapeText(std::string_view text);
std::string FormatStore(const OptionMap& options);
// False with a message naming the line when the text is not a store.
bool ParseStore(std::string_view text, OptionMap* options, std::string* error);

}  // namespace emulator
