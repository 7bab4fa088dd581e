#pragma once
// The emulator's log on standard output, one time-stamped line per entry,
// flushed at once so a watching terminal or test sees it immediately.
#include <string>

namespace emulator {

class Log {
 public:
  explicit Log(bool quiet) : quiet_(quiet) {}
  // One line per command received; silenced by --quiet.
  void Command(const std::string& line) const;
  // Connections coming and going; silenced by --quiet.
  void Session(const std::string& line) const;
  // Start-up, restarts, refused frames and errors: always shown.
  void Notice(const std::string& line) const;

 private:
  void Write(const std::string& line) const;
  bool quiet_;
};

}  // namespace emulator
