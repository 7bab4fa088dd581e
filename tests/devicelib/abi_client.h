#pragma once
// Calls through the library's C functions the way the program makes them,
// and starts the emulator for a test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "emulator/harness/emulator_process.h"
#include "vandrel/torvak.h"

namespace torvak_client {

struct ReadResult {
  std::uint16_t code = 0;
  std::string value;
};

// A read as the program makes it: 200-byte zeroed buffer, name, NUL; the
// value starts right after the name's NUL.
inline ReadResult Read(std::int32_t handle, const std::string& name, int timeoutMs = 1000) {
  char buffer[200] = {};
  std::memcpy(buffer, name.data(), name.size());
  std::uint16_t code = 11;
  TORVAK_SENDCMD(handle, &code, buffer, 200, static_cast<std::int32_t>(name.size() + 1), timeoutMs);
  ReadResult r{code, {}};
  if (code == TORVAK_REPLY_OK) {
    const std::size_t at = name.size() + 1;
    r.value.assign(buffer + at, strnlen(buffer + at, sizeof buffer - at));
  }
  return r;
}

// A write of text as sent (already encoded when it should be).
inline std::uint16_t Write(std::int32_t handle, const std::string& text, int timeoutMs = 2000) {
  std::vector<char> buffer(text.size() + 1 < 400 ? 400 : text.size() + 1, '\0');
  std::memcpy(buffer.data(), text.data(), text.size());
  std::uint16_t code = 12;
  TORVAK_SENDCMD(handle, &code, buffer.data(), 100, static_cast<std::int32_t>(text.size() + 1),
                 timeoutMs);
  return code;
}

inline std::uint16_t Command(std::int32_t handle, std::uint16_t command, int timeoutMs = 1000) {
  std::uint16_t code = command;
  TORVAK_SENDCMD(handle, &code, nullptr, 0, 0, timeoutMs);
  return code;
}

// The program's encoding of a hidden line with a given seed.
inline std::string EncodeHidden(const std::string& line, int seed) {
  static const char kHex[] = "0123456789ABCDEF";
  const std::size_t eq = line.find('=');
  if (eq == std::string::npos) return line;
  std::string out = line.substr(0, eq + 1);
  unsigned key = static_cast<unsigned>(seed);
  out += kHex[key >> 4];
  out += kHex[key & 15];
  for (std::size_t i = eq + 1; i < line.size(); ++i) {
    key ^= static_cast<unsigned char>(line[i]);
    out += kHex[key >> 4];
    out += kHex[key & 15];
  }
  return out;
}

inline std::int32_t ConnectTcp(int port) {
  return TORVAK_INIT("brisel.dll", "127.0.0.1", port, 0, 0, 0);
}

// An emulator on a free loopback port with its own store.
class EmulatorTest : public ::testing::Test {
 protected:
  void StartEmulator(std::vector<std::string> args = {}) {
    args.insert(args.end(), {"--store", StorePath()});
    if (std::find(args.begin(), args.end(), "--pty") == args.end())
      args.insert(args.end(), {"--tcp", "127.0.0.1:0"});
    std::string error;
    ASSERT_TRUE(emulator_.Start(args, &error)) << error;
  }
  std::string StorePath() const { return dir_.Path() + "/options.txt"; }
  std::string PtyPath() const { return dir_.Path() + "/ttyEMU"; }
  int Port() const { return emulator_.Port(); }

  harness::TempDir dir_;
  harness::EmulatorProcess emulator_;
};

}  // namespace torvak_client
