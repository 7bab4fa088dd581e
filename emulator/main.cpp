// device-emulator: one terminal for the device library to talk to.
#include <csignal>
#include <cstdio>

#include <asio.hpp>

#include "emulator/options.h"
#include "emulator/server.h"
#include "emulator/store.h"

namespace {

int Dump(emulator::Store& store) {
  for (const auto& [name, value] : store.Options())
    std::printf("%s=%s\n", emulator::EscapeText(name).c_str(), emulator::EscapeText(value).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  emulator::Options options;
  if (const int code = emulator::ParseOptions(argc, argv, &options); code >= 0) return code;
  std::signal(SIGPIPE, SIG_IGN);  // a vanished log reader must not end the device

  emulator::Store store(options.store);
  std::string error;
  if (!store.Load(&error)) {
    std::fprintf(stderr, "device-emulator: %s\n", error.c_str());
    return 1;
  }
  if (options.dump) return Dump(store);

  const emulator::Log log(options.quiet);
  emulator::Device device(options.device, store, log);
  asio::io_context io;
  const auto idle =
      std::chrono::milliseconds(static_cast<long long>(options.idleTimeoutSeconds * 1000.0 + 0.5));
  emulator::Server server(io, device, log, idle);

  bool ok = true;
  if (!options.serial.empty()) ok = server.ServeSerial(options.serial, options.baud, &error);
  if (ok && !options.pty.empty()) ok = server.ServePty(options.pty, &error);
  if (ok && (options.tcpGiven || (options.serial.empty() && options.pty.empty()))) {
    std::string host;
    unsigned short port = 0;
    if (!emulator::SplitHostPort(options.tcp, &host, &port)) {
      error = "--tcp: not HOST:PORT: " + options.tcp;
      ok = false;
    } else {
      ok = server.ListenTcp(host, port, &error);
    }
  }
  if (!ok) {
    std::fprintf(stderr, "device-emulator: %s\n", error.c_str());
    return 1;
  }
  log.Notice("ready: device number " + std::to_string(options.device.number) + ", store " +
             options.store + ", " + std::to_string(store.Options().size()) + " options");

  asio::signal_set signals(io, SIGINT, SIGTERM);
  signals.async_wait([&](std::error_code, int) { io.stop(); });
  io.run();
  log.Notice("stopped");
  return 0;
}
