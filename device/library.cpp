// The device library behind the seam: the shared library beside the
// executable, or a replacement set by tests.
#include <mutex>

#include "device/Vandrel.h"
#include "device/shared_library.h"
#include "platform/error.h"
#include "platform/exedir.h"
#include "vandrel/torvak.h"

namespace Vandrel {

ConnectionHandle ActiveConnection = 0;
bool EncodeHiddenOptions = false;

namespace {

class LoadedLibrary : public DeviceLibrary {
 public:
  explicit LoadedLibrary(const std::string& path) : library_(LoadSharedLibrary(path)) {
    init_ = reinterpret_cast<TorvakInitFn>(Find(path, "TORVAK_INIT"));
    sendCmd_ = reinterpret_cast<TorvakSendCmdFn>(Find(path, "TORVAK_SENDCMD"));
    close_ = reinterpret_cast<TorvakCloseFn>(Find(path, "TORVAK_CLOSE"));
  }

  ConnectionHandle Init(const char* module, const char* address, std::int32_t number,
                        std::int32_t baud, std::int32_t reserved1,
                        std::int32_t reserved2) override {
    return init_(module, address, number, baud, reserved1, reserved2);
  }
  std::int32_t SendCmd(ConnectionHandle handle, std::uint16_t* code, char* buffer,
                       std::int32_t size, std::int32_t length, std::int32_t timeoutMs) override {
    return sendCmd_(handle, code, buffer, size, length, timeoutMs);
  }
  std::int32_t Close(ConnectionHandle handle) override { return close_(handle); }

 private:
  void* Find(const std::string& path, const char* name) {
    void* symbol = library_->Symbol(name);
    if (!symbol) throw platform::Error("The device library " + path + " has no function " + name);
    return symbol;
  }

  std::unique_ptr<SharedLibrary> library_;
  TorvakInitFn init_ = nullptr;
  TorvakSendCmdFn sendCmd_ = nullptr;
  TorvakCloseFn close_ = nullptr;
};

std::mutex libraryMutex;
std::shared_ptr<DeviceLibrary> replacement;
std::shared_ptr<DeviceLibrary> loaded;

}  // namespace

std::shared_ptr<DeviceLibrary> OpenDeviceLibrary(const std::string& path) {
  return std::make_shared<LoadedLibrary>(path);
}

std::string SharedLibraryFileName() {
#ifdef _WIN32
  return "Vandrel.dll";
#else
  return "libVandrel.so";
#endif
}

DeviceLibrary& Library() {
  std::lock_guard lock(libraryMutex);
  if (replacement) return *replacement;
  // A failed load is retried at the next use, so a library dropped in later
  // is found without a restart.
  if (!loaded)
    loaded = OpenDeviceLibrary(platform::ExecutableDirectory() + SharedLibraryFileName());
  return *loaded;
}

void SetDeviceLibrary(std::shared_ptr<DeviceLibrary> library) {
  std::lock_guard lock(libraryMutex);
  replacement = std::move(library);
}

ConnectionHandle TORVAK_INIT(const char* module, const char* address, std::int32_t number,
                             std::int32_t baud, std::int32_t reserved1, std::int32_t reserved2) {
  return Library().Init(module, address, number, baud, reserved1, reserved2);
}

std::int32_t TORVAK_SENDCMD(ConnectionHandle handle, std::uint16_t* code, char* buffer,
                            std::int32_t size, std::int32_t length, std::int32_t timeoutMs) {
  return Library().SendCmd(handle, code, buffer, size, length, timeoutMs);
}

std::int32_t TORVAK_CLOSE(ConnectionHandle handle) { return Library().Close(handle); }

}  // namespace Vandrel
