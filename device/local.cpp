// Preparations of the local link before connecting.
#include "device/Vandrel.h"
#include "platform/arp.h"
#include "platform/process.h"

namespace Vandrel {
namespace {

// Only a..z change, as the system's ANSI upper-casing of these names did.
std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string AfterLastSeparator(const std::string& name) {
  const auto last = name.find_last_of("\\:/");
  return last == std::string::npos ? name : name.substr(last + 1);
}

std::function<void(void*)> arpFlushLauncher;
std::function<int(const std::string&)> processKiller;

}  // namespace

void SetArpFlushLauncher(std::function<void(void*)> launcher) {
  arpFlushLauncher = std::move(launcher);
}
void SetProcessKiller(std::function<int(const std::string&)> killer) {
  processKiller = std::move(killer);
}

void FlushArpCache(void* ownerHandle) {
  if (arpFlushLauncher)
    arpFlushLauncher(ownerHandle);
  else
    platform::LaunchArpFlush(ownerHandle);
}

int KillProcessByName(const std::string& exeName) {
  if (processKiller) return processKiller(exeName);
  const std::string wanted = UpperAscii(exeName);
  const std::int64_t self = platform::CurrentProcessId();
  int result = 0;
  for (const auto& entry : platform::SnapshotProcesses()) {
    const std::string name = entry.exeName.substr(0, 260);
    if (UpperAscii(AfterLastSeparator(name)) != wanted && UpperAscii(name) != wanted) continue;
    // Never end the program itself, whatever it is called.
    if (entry.id == self) continue;
    result = platform::TerminateProcessById(entry.id) ? 1 : 0;
  }
  return result;
}

}  // namespace Vandrel
