#include <windows.h>

#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/exedir.h"

namespace platform {

std::string ExecutableDirectory() {
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::vector<char> buffer(size);
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), size);
    if (n == 0) break;
    if (n < size) {
      const std::string path(buffer.data(), n);
      const auto last = path.find_last_of("\\:");
      if (last == std::string::npos) break;
      return path.substr(0, last + 1);
    }
  }
  throw Error("Cannot determine the program's folder");
}

}  // namespace platform
