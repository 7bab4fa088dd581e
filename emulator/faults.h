#pragma once
// Faults the emulator can be told to show, for trying the program's retry
// and time-out paths.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace emulator {

struct Faults {
  // Option name -> how many write attempts fail (-1: every one).
  std::map<std::string, int> failWrites;
  std::set<std::uint16_t> noReply;     // commands left unanswered
  int delayMs = 0;                     // replies held back this long
  std::set<std::uint16_t> delayCodes;  // empty: every device command
  int refuseConnections = 0;           // the first N TCP connections are closed at once
  int closeAfter = 0;                  // a connection is closed after K commands (0: never)
};

// "NAME" (always fails) or "NAME:N" (the first N attempts fail).
struct WriteFault {
  std::string name;
  int count = -1;
};
std::optional<WriteFault> ParseWriteFault(const std::string& text);

}  // namespace emulator
