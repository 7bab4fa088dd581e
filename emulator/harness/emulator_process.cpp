#include "emulator/harness/emulator_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace harness {

std::string EmulatorProcess::BinaryPath() {
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "device-emulator")
      .string();
}

EmulatorProcess::~EmulatorProcess() {
  if (pid_ > 0) Stop(SIGKILL);
  if (reader_.joinable()) reader_.join();
}

bool EmulatorProcess::Start(const std::vector<std::string>& args, std::string* error) {
  const std::string binary = BinaryPath();
  std::vector<std::string> all{binary};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);

  if (pid_ > 0) Stop(SIGKILL);
  {
    std::lock_guard lock(mutex_);
    output_.clear();
    eof_ = false;
    port_ = 0;
  }
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    *error = "pipe failed";
    return false;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
  const int rc = posix_spawn(&pid_, binary.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    pid_ = -1;
    *error = "cannot start " + binary;
    return false;
  }
  reader_ = std::thread([this, fd = fds[0]] { Drain(fd); });

  std::unique_lock lock(mutex_);
  const bool ready = changed_.wait_for(lock, std::chrono::seconds(10), [&] {
    return eof_ || output_.find(" ready: ") != std::string::npos;
  });
  if (!ready || output_.find(" ready: ") == std::string::npos) {
    *error = "emulator did not get ready: " + output_;
    lock.unlock();
    Stop(SIGKILL);
    return false;
  }
  const std::string marker = "listening on tcp ";
  const std::size_t at = output_.find(marker);
  if (at != std::string::npos) {
    const std::size_t eol = output_.find('\n', at);
    const std::string address = output_.substr(at + marker.size(), eol - at - marker.size());
    port_ = std::atoi(address.substr(address.rfind(':') + 1).c_str());
  }
  return true;
}

void EmulatorProcess::Drain(int fd) {
  char buf[4096];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    std::lock_guard lock(mutex_);
    if (n <= 0) {
      eof_ = true;
      changed_.notify_all();
      break;
    }
    output_.append(buf, static_cast<std::size_t>(n));
    changed_.notify_all();
  }
  close(fd);
}

std::string EmulatorProcess::Output() const {
  std::lock_guard lock(mutex_);
  return output_;
}

bool EmulatorProcess::WaitForOutput(const std::string& text, std::chrono::milliseconds timeout,
                                    int count) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] {
    int found = 0;
    for (std::size_t at = output_.find(text); at != std::string::npos;
         at = output_.find(text, at + text.size()))
      ++found;
    return found >= count;
  });
}

int EmulatorProcess::Stop(int signal) {
  int status = 0;
  if (pid_ <= 0) return status;
  kill(pid_, signal);
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  if (reader_.joinable()) reader_.join();
  return status;
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pellmora-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

}  // namespace harness
