#include <unistd.h>

#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/exedir.h"

namespace platform {

std::string ExecutableDirectory() {
  // readlink does not say whether it truncated, so grow until the link fits.
  for (std::size_t size = 256; size <= (1u << 16); size *= 2) {
    std::vector<char> buffer(size);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) break;
    if (static_cast<std::size_t>(n) < buffer.size()) {
      const std::string path(buffer.data(), static_cast<std::size_t>(n));
      const auto slash = path.rfind('/');
      if (slash == std::string::npos) break;
      return path.substr(0, slash + 1);
    }
  }
  // Without it a settings file would be looked for in the current folder,
  // which is never the right one.
  throw Error("Cannot determine the program's folder");
}

}  // namespace platform
