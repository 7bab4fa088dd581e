#include "device/shared_library.h"

#include <dlfcn.h>

#include "platform/error.h"

namespace Vandrel {
namespace {

class PosixLibrary : public SharedLibrary {
 public:
  // Never unloaded: the library's own threads and tables may outlive any one
  // caller, up to the end of the program.
  explicit PosixLibrary(void* handle) : handle_(handle) {}
  void* Symbol(const char* name) override { return dlsym(handle_, name); }

 private:
  void* handle_;
};

}  // namespace

std::unique_ptr<SharedLibrary> LoadSharedLibrary(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = dlerror();
    throw platform::Error("Cannot load the device library " + path + ": " +
                          (reason ? reason : "unknown reason"));
  }
  return std::make_unique<PosixLibrary>(handle);
}

}  // namespace Vandrel
