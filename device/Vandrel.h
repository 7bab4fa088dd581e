#pragma once
// The device link: calls into the device library, single-option read and
// write, the upload of an option list, device commands and the local
// preparations before connecting. Knows nothing of the window toolkit.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Vandrel {

using ConnectionHandle = std::int32_t;

constexpr std::uint16_t CMD_READ_OPTION = 11;
constexpr std::uint16_t CMD_WRITE_OPTION = 12;
constexpr std::uint16_t CMD_CONFIG_BEGIN = 1003;
constexpr std::uint16_t CMD_CONFIG_END = 1002;
constexpr std::uint16_t CMD_CONFIG_END_FINAL = 1014;
constexpr std::uint16_t CMD_RESTART = 1004;
constexpr std::uint16_t REPLY_OK = 2000;

// Set by every connection attempt (0 included); every device operation uses it.
extern ConnectionHandle ActiveConnection;
// Decided at the start of every UploadOptions.
extern bool EncodeHiddenOptions;

// The three library functions, behind a seam so that tests can record calls.
class DeviceLibrary {
 public:
  virtual ~DeviceLibrary() = default;
  virtual ConnectionHandle Init(const char* module, const char* address, std::int32_t number,
                                std::int32_t baud, std::int32_t reserved1,
                                std::int32_t reserved2) = 0;
  virtual std::int32_t SendCmd(ConnectionHandle handle, std::uint16_t* code, char* buffer,
                               std::int32_t size, std::int32_t length, std::int32_t timeoutMs) = 0;
  virtual std::int32_t Close(ConnectionHandle handle) = 0;
};

// The library in use: the one set by SetDeviceLibrary, otherwise the shared
// library beside the executable, loaded at first use. A missing library or
// missing function raises platform::Error naming the path and the reason.
DeviceLibrary& Library();
// Replaces the library (tests); nullptr goes back to the shared library.
void SetDeviceLibrary(std::shared_ptr<DeviceLibrary> library);
// File name of the shared library ("libVandrel.so", "Vandrel.dll").
std::string SharedLibraryFileName();

// The three calls, through Library().
ConnectionHandle TORVAK_INIT(const char* module, const char* address, std::int32_t number,
                             std::int32_t baud, std::int32_t reserved1, std::int32_t reserved2);
std::int32_t TORVAK_SENDCMD(ConnectionHandle handle, std::uint16_t* code, char* buffer,
                            std::int32_t size, std::int32_t length, std::int32_t timeoutMs);
std::int32_t TORVAK_CLOSE(ConnectionHandle handle);

// Single options.
std::string ReadOption(ConnectionHandle handle, const std::string& name);
bool WriteOption(ConnectionHandle handle, const std::string& line, bool encode);
std::string EncodeHiddenLine(const std::string& line);

// Seeds for EncodeHiddenLine: an integer 0..254 per call. The default is a
// fixed-seed generator, so every run draws the same sequence.
using SeedGenerator = std::function<int()>;
void SetSeedGenerator(SeedGenerator generator);  // empty restores the default

// Hooks the window installs (pending messages) and tests replace (the pause).
void SetProcessMessages(std::function<void()> callback);
void SetSleeper(std::function<void(int milliseconds)> sleeper);  // empty: real sleep

// Upload and commands, all on ActiveConnection.
int UploadOptions(const std::vector<std::string>& options);
void BeginConfiguration();
void EndConfiguration();
void RestartDevice();

// Local preparations.
void FlushArpCache(void* ownerHandle);
int KillProcessByName(const std::string& exeName);
// Tests replace the system-wide effects of both (empty restores them).
void SetArpFlushLauncher(std::function<void(void* ownerHandle)> launcher);
void SetProcessKiller(std::function<int(const std::string& exeName)> killer);

}  // namespace Vandrel
