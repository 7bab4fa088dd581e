#pragma once
#include <string>

namespace platform {

// Removes every character of code 0..32 at both ends.
std::string Trim(const std::string& text);

}  // namespace platform
