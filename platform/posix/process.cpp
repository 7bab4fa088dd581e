// Processes on Linux, read from /proc.
#include <dirent.h>
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <limits>
#include <string>

#include "platform/process.h"

namespace platform {
namespace {

constexpr std::size_t kMaxExeName = 260;

// At most limit bytes of a /proc file; empty when it cannot be read (the
// process may be gone already).
std::string ReadProcFile(const std::string& path, std::size_t limit) {
  std::ifstream in(path, std::ios::binary);
  std::string text(limit, '\0');
  in.read(text.data(), static_cast<std::streamsize>(limit));
  text.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return text;
}

// argv[0] as the process set it; its kernel name when it has none (kernel
// threads, zombies, an exec with an empty argv[0]).
std::string ExeNameOf(const std::string& pidText) {
  const std::string base = "/proc/" + pidText + "/";
  std::string name = ReadProcFile(base + "cmdline", kMaxExeName + 1);
  name.resize(std::min(name.find('\0'), name.size()));
  if (name.empty()) {
    name = ReadProcFile(base + "comm", kMaxExeName + 1);
    if (!name.empty() && name.back() == '\n') name.pop_back();
  }
  if (name.size() > kMaxExeName) name.resize(kMaxExeName);
  return name;
}

bool IsPidText(const char* text) {
  std::size_t length = 0;
  for (; text[length]; ++length)
    if (text[length] < '0' || text[length] > '9') return false;
  return length > 0 && length < 16;  // also keeps stoll in range
}

}  // namespace

std::vector<ProcessEntry> SnapshotProcesses() {
  std::vector<ProcessEntry> entries;
  DIR* proc = ::opendir("/proc");
  if (!proc) return entries;
  while (const dirent* item = ::readdir(proc)) {
    if (!IsPidText(item->d_name)) continue;
    ProcessEntry entry;
    entry.id = std::stoll(item->d_name);
    entry.exeName = ExeNameOf(item->d_name);
    entries.push_back(std::move(entry));
  }
  ::closedir(proc);
  std::sort(entries.begin(), entries.end(),
            [](const ProcessEntry& a, const ProcessEntry& b) { return a.id < b.id; });
  return entries;
}

bool TerminateProcessById(std::int64_t id) {
  // kill() treats 0 and negative ids as process groups (-1: every process we
  // may signal), so only a single, positive id that fits a pid_t is passed.
  if (id <= 0 || id > std::numeric_limits<pid_t>::max()) return false;
  // SIGKILL, like a forced termination; unlike there, POSIX gives no way to
  // choose the exit code (0) of a process ended from outside.
  if (::kill(static_cast<pid_t>(id), SIGKILL) == 0) return true;
  // A process that ended between the snapshot and now is what was wanted.
  return errno == ESRCH;
}

std::int64_t CurrentProcessId() { return static_cast<std::int64_t>(getpid()); }

}  // namespace platform
