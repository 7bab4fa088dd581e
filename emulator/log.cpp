#include "emulator/log.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace emulator {

void Log::Command(const std::string& line) const {
  if (!quiet_) Write(line);
}

void Log::Session(const std::string& line) const {
  if (!quiet_) Write(line);
}

void Log::Notice(const std::string& line) const { Write(line); }

void Log::Write(const std::string& line) const {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm tm{};
  localtime_r(&t, &tm);
  std::printf("%02d:%02d:%02d.%03d %s\n", tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(ms),
              line.c_str());
  std::fflush(stdout);
}

}  // namespace emulator
