#pragma once
// Runs device-emulator (found beside the running program) as a child
// process, collects its output and ends it by its process id.
#include <sys/types.h>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace harness {

class EmulatorProcess {
 public:
  EmulatorProcess() = default;
  ~EmulatorProcess();
  EmulatorProcess(const EmulatorProcess&) = delete;
  EmulatorProcess& operator=(const EmulatorProcess&) = delete;

  // The program beside the running executable.
  static std::string BinaryPath();

  // Starts the emulator with args and waits (bounded) for its "ready" line.
  bool Start(const std::vector<std::string>& args, std::string* error);
  // TCP port from the "listening on tcp" line; 0 if none.
  int Port() const { return port_; }
  pid_t Pid() const { return pid_; }

  std::string Output() const;
  // Waits until the output holds text at least count times.
  bool WaitForOutput(const std::string& text, std::chrono::milliseconds timeout,
                     int count = 1) const;
  // Sends signal to the child and reaps it; returns the wait status.
  int Stop(int signal);

 private:
  void Drain(int fd);

  pid_t pid_ = -1;
  int port_ = 0;
  std::thread reader_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::string output_;
  bool eof_ = false;
};

// A scratch directory removed with its contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace harness
