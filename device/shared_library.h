#pragma once
// Loading a shared library and looking up its functions (per-system files).
#include <memory>
#include <string>

#include "device/Vandrel.h"

namespace Vandrel {

class SharedLibrary {
 public:
  virtual ~SharedLibrary() = default;
  // The address of an exported function, nullptr when it is missing.
  virtual void* Symbol(const char* name) = 0;
};

// Loads the library at path; raises platform::Error naming the path and the
// loader's reason when it cannot be loaded.
std::unique_ptr<SharedLibrary> LoadSharedLibrary(const std::string& path);

// The device library at path with its three functions; raises platform::Error
// when it cannot be loaded or lacks one of them.
std::shared_ptr<DeviceLibrary> OpenDeviceLibrary(const std::string& path);

}  // namespace Vandrel
