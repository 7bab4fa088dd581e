#pragma once
#include <string>

namespace platform {

// The directory of the running executable, ending in a path separator.
// Determined afresh on every call.
std::string ExecutableDirectory();

}  // namespace platform
