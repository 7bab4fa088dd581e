#pragma once
// The emulator's command line.
#include <string>
#include <vector>

#include "emulator/device.h"

namespace emulator {

struct Options {
  std::string tcp = "127.0.0.1:4370";
  bool tcpGiven = false;
  std::string serial;
  int baud = 115200;
  std::string pty;
  std::string store = "device-options.txt";
  bool quiet = false;
  bool dump = false;
  double idleTimeoutSeconds = 60;
  DeviceConfig device;
};

// Parses argv; returns the exit code to end with, or -1 to go on running.
int ParseOptions(int argc, char** argv, Options* options);

// Splits "HOST:PORT" ("[v6]:PORT" for IPv6); false when malformed.
bool SplitHostPort(const std::string& text, std::string* host, unsigned short* port);

}  // namespace emulator
