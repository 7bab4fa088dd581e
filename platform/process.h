#pragma once
// Process snapshot and termination.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct ProcessEntry {
  std::int64_t id = 0;
  std::string exeName;  // as the system lists it (argv[0] or comm on Linux), at most 260 chars
};

std::vector<ProcessEntry> SnapshotProcesses();

// Terminates the process; returns true when the system accepted the request.
bool TerminateProcessById(std::int64_t id);

// The id of the running program.
std::int64_t CurrentProcessId();

}  // namespace platform
