// Figures of the device library against the emulator: read round trips over
// loopback TCP and a pty, commands per second, and how long a failing
// TORVAK_INIT takes.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "emulator/harness/emulator_process.h"
#include "emulator/harness/local_socket.h"
#include "vandrel/torvak.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsBetween(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

bool Read(int handle) {
  char buffer[200] = "APN";
  std::uint16_t code = 11;
  TORVAK_SENDCMD(handle, &code, buffer, 200, 4, 1000);
  return code == TORVAK_REPLY_OK;
}

// Each write makes the emulator save its store (temporary file, fsync, rename).
bool Write(int handle) {
  static int n = 0;
  char line[100];
  const int length = std::snprintf(line, sizeof line, "APN=internet%d", n++ % 2) + 1;
  std::uint16_t code = 12;
  TORVAK_SENDCMD(handle, &code, line, 100, length, 2000);
  return code == TORVAK_REPLY_OK;
}

void Measure(const char* label, int handle, int count, bool (*command)(int) = Read) {
  std::vector<double> us;
  us.reserve(count);
  int failures = 0;
  const auto begin = Clock::now();
  for (int i = 0; i < count; ++i) {
    const auto t = Clock::now();
    if (!command(handle)) ++failures;
    us.push_back(MsBetween(t, Clock::now()) * 1000.0);
  }
  const double seconds = MsBetween(begin, Clock::now()) / 1000.0;
  std::sort(us.begin(), us.end());
  std::printf("%-28s %s %d  median %.1f us  p99 %.1f us  %.0f commands/s  failures %d\n", label,
              command == Read ? "reads" : "writes", count, us[us.size() / 2],
              us[us.size() * 99 / 100], count / seconds, failures);
}

void TimeFailingInit(const char* label, int port) {
  const auto t = Clock::now();
  const int h = TORVAK_INIT("brisel.dll", "127.0.0.1", port, 0, 0, 0);
  std::printf("%-28s TORVAK_INIT gave %d after %.1f ms\n", label, h, MsBetween(t, Clock::now()));
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(100, std::atoi(argv[1])) : 5000;
  harness::TempDir dir;
  const std::string store = dir.Path() + "/bench-store.txt";
  const std::string link = dir.Path() + "/ttyBENCH";
  harness::EmulatorProcess emulator;
  std::string error;
  if (!emulator.Start({"--quiet", "--store", store, "--tcp", "127.0.0.1:0", "--pty", link},
                      &error)) {
    std::fprintf(stderr, "bench_devicelib: %s\n", error.c_str());
    return 1;
  }
  const int tcp = TORVAK_INIT("brisel.dll", "127.0.0.1", emulator.Port(), 0, 0, 0);
  const int pty = TORVAK_INIT("camoret.dll", link.c_str(), 1, 115200, 0, 0);
  if (tcp == 0 || pty == 0) {
    std::fprintf(stderr, "bench_devicelib: cannot connect (tcp %d, pty %d)\n", tcp, pty);
    return 1;
  }
  char line[] = "APN=internet";
  std::uint16_t code = 12;
  TORVAK_SENDCMD(tcp, &code, line, 100, sizeof line, 2000);

  Measure("loopback TCP", tcp, count);
  Measure("pty", pty, count);
  Measure("loopback TCP", tcp, std::max(50, count / 20), Write);
  TORVAK_CLOSE(tcp);
  TORVAK_CLOSE(pty);

  {
    harness::LocalSocket closed(false);
    TimeFailingInit("closed port", closed.port);
  }
  harness::LocalSocket silent(true);
  TimeFailingInit("listener without handshake", silent.port);
  return 0;
}
