#include "platform/posix/detached.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern char** environ;

namespace platform {
namespace {

std::string FindProgram(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  const char* env = std::getenv("PATH");
  // The system folders come last: ordinary users' PATH often lacks sbin.
  const std::string path = std::string(env ? env : "") + ":/usr/sbin:/sbin:/usr/bin:/bin";
  std::size_t begin = 0;
  while (begin <= path.size()) {
    std::size_t end = path.find(':', begin);
    if (end == std::string::npos) end = path.size();
    if (end > begin) {
      const std::string candidate = path.substr(begin, end - begin) + "/" + name;
      if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    begin = end + 1;
  }
  return {};
}

}  // namespace

void LaunchDetached(const std::vector<std::string>& args) {
  if (args.empty()) return;
  // Everything that allocates happens before fork: the program may run
  // threads, so the children make only async-signal-safe calls.
  const std::string program = FindProgram(args[0]);
  if (program.empty()) return;
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  const pid_t child = ::fork();
  if (child < 0) return;
  if (child == 0) {
    if (::fork() == 0) {
      const int null = ::open("/dev/null", O_RDWR);
      if (null >= 0) {
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
      }
      ::close_range(3, ~0U, 0);
      sigset_t none;
      sigemptyset(&none);
      ::sigprocmask(SIG_SETMASK, &none, nullptr);
      ::setsid();
      ::execve(program.c_str(), argv.data(), environ);
      ::_exit(127);
    }
    // The middle process ends at once; its child passes to the system's reaper.
    ::_exit(0);
  }
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace platform
