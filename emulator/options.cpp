#include "emulator/options.h"

#include <CLI/CLI.hpp>

#include "emulator/faults.h"
#include "protocol/codes.h"

namespace emulator {

bool SplitHostPort(const std::string& text, std::string* host, unsigned short* port) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 == text.size()) return false;
  std::string h = text.substr(0, colon);
  if (h.size() > 2 && h.front() == '[' && h.back() == ']') h = h.substr(1, h.size() - 2);
  const std::string p = text.substr(colon + 1);
  if (p.size() > 5 || p.find_first_not_of("0123456789") != std::string::npos) return false;
  const int value = std::stoi(p);
  if (value > 65535) return false;
  *host = h;
  *port = static_cast<unsigned short>(value);
  return true;
}

int ParseOptions(int argc, char** argv, Options* o) {
  CLI::App app{
      "device-emulator: plays one network terminal for the Pellmora tool and the Vandrel "
      "device library, over TCP, a serial tty or a pseudo-terminal."};
  Faults& f = o->device.faults;
  std::vector<std::string> failWrites;
  std::vector<int> noReply, delayCodes;
  int deviceNumber = 1;

  app.add_option("--tcp", o->tcp,
                 "Listen on HOST:PORT (numeric address; port 0 picks a free one). Default "
                 "127.0.0.1:4370; with --serial or --pty only when given")
      ->type_name("HOST:PORT");
  auto* serial = app.add_option("--serial", o->serial, "Serve an existing tty, e.g. /dev/ttyS0")
                     ->type_name("PATH");
  app.add_option("--baud", o->baud, "Baud rate for --serial (default 115200)")->type_name("N");
  auto* pty = app.add_option("--pty", o->pty,
                             "Create a pseudo-terminal and make LINK a symlink to its device; "
                             "clients open LINK as a serial port")
                  ->type_name("LINK");
  serial->excludes(pty);
  app.add_option("--device-number", deviceNumber,
                 "Device number this terminal answers to (0..65535, default 1)")
      ->check(CLI::Range(0, 65535))
      ->type_name("N");
  app.add_option("--store", o->store,
                 "File keeping the options across restarts (default device-options.txt)")
      ->type_name("FILE");
  app.add_option("--os", o->device.os,
                 "Value of the read-only option \"~OS\" (default empty). Empty or NONE: hidden "
                 "option lines arrive encoded and are decoded; anything else: taken in clear")
      ->type_name("VALUE");
  app.add_flag("--quiet", o->quiet, "No log line per command or connection");
  app.add_flag("--dump", o->dump, "Print the store as name=value lines (escaped) and exit");
  app.add_option("--idle-timeout", o->idleTimeoutSeconds,
                 "Drop a connection (end a serial session) idle this many seconds; 0: never "
                 "(default 60)")
      ->check(CLI::NonNegativeNumber)
      ->type_name("SECONDS");
  app.add_option("--fail-write", failWrites,
                 "Fault: answer writes of option NAME with an error; NAME:N only the first N "
                 "attempts (repeatable)")
      ->type_name("NAME[:N]");
  app.add_option("--no-reply", noReply, "Fault: never answer command CODE (repeatable)")
      ->check(CLI::Range(0, 65535))
      ->type_name("CODE");
  app.add_option("--delay", f.delayMs, "Fault: hold every reply back MS milliseconds")
      ->check(CLI::NonNegativeNumber)
      ->type_name("MS");
  app.add_option("--delay-code", delayCodes,
                 "Restrict --delay to command CODE (repeatable; default: all but the handshake)")
      ->check(CLI::Range(0, 65535))
      ->type_name("CODE");
  app.add_option("--refuse-connections", f.refuseConnections,
                 "Fault: close the first N TCP connections right after accepting them")
      ->check(CLI::NonNegativeNumber)
      ->type_name("N");
  app.add_option("--close-after", f.closeAfter,
                 "Fault: close a connection after answering K commands (0: never)")
      ->check(CLI::NonNegativeNumber)
      ->type_name("K");
  app.footer(
      "Command codes: 11 read, 12 write, 1003 begin, 1002 end, 1014 final end, 1004 "
      "restart, " +
      std::to_string(protocol::kHello) + " handshake. See docs/emulator.md.");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  }
  o->tcpGiven = app.count("--tcp") > 0;
  o->device.number = static_cast<std::uint16_t>(deviceNumber);
  for (const auto& text : failWrites) {
    const auto fault = ParseWriteFault(text);
    if (!fault) {
      std::fprintf(stderr, "--fail-write: not NAME or NAME:N: %s\n", text.c_str());
      return 2;
    }
    f.failWrites[fault->name] = fault->count;
  }
  for (int c : noReply) f.noReply.insert(static_cast<std::uint16_t>(c));
  for (int c : delayCodes) f.delayCodes.insert(static_cast<std::uint16_t>(c));
  return -1;
}

}  // namespace emulator
