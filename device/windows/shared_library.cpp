#include "device/shared_library.h"

#include <windows.h>

#include "platform/error.h"

namespace Vandrel {
namespace {

class WindowsLibrary : public SharedLibrary {
 public:
  // Never unloaded: the library's own threads and tables may outlive any one
  // caller, up to the end of the program.
  explicit WindowsLibrary(HMODULE module) : module_(module) {}
  void* Symbol(const char* name) override {
    return reinterpret_cast<void*>(GetProcAddress(module_, name));
  }

 private:
  HMODULE module_;
};

std::string LastErrorText() {
  char text[512] = {};
  DWORD code = GetLastError();
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                 sizeof text - 1, nullptr);
  return text[0] ? text : "error " + std::to_string(code);
}

}  // namespace

std::unique_ptr<SharedLibrary> LoadSharedLibrary(const std::string& path) {
  HMODULE module = LoadLibraryA(path.c_str());
  if (!module)
    throw platform::Error("Cannot load the device library " + path + ": " + LastErrorText());
  return std::make_unique<WindowsLibrary>(module);
}

}  // namespace Vandrel
