// Processes on Windows, from a Tool Help snapshot.
#undef UNICODE
#undef _UNICODE
#include <tlhelp32.h>
#include <windows.h>

#include "platform/process.h"

namespace platform {

std::vector<ProcessEntry> SnapshotProcesses() {
  std::vector<ProcessEntry> entries;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return entries;
  PROCESSENTRY32 item{};
  item.dwSize = sizeof(item);
  for (BOOL more = Process32First(snapshot, &item); more; more = Process32Next(snapshot, &item)) {
    ProcessEntry entry;
    entry.id = item.th32ProcessID;
    entry.exeName = item.szExeFile;  // at most MAX_PATH characters, NUL-terminated
    entries.push_back(std::move(entry));
  }
  CloseHandle(snapshot);
  return entries;
}

bool TerminateProcessById(std::int64_t id) {
  if (id <= 0 || id > MAXDWORD) return false;
  const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(id));
  if (!process) return false;
  const bool ok = TerminateProcess(process, 0) != 0;
  CloseHandle(process);
  return ok;
}

std::int64_t CurrentProcessId() { return static_cast<std::int64_t>(GetCurrentProcessId()); }

}  // namespace platform
