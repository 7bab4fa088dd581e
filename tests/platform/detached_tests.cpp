// Detached launches, as used for the ARP flush.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "platform/posix/detached.h"
#include "temp_dir.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

bool NoChildLeft() { return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

std::string FirstLine(const std::string& path) {
  std::string line;
  std::getline(std::ifstream(path), line);
  return line;
}

TEST(LaunchDetached, RunsOnItsOwnWithOutputDiscardedAndLeavesNoChild) {
  TempDir dir;
  const std::string report = dir / "report", ready = dir / "pid";
  // The shell records where its own input and output go and its pid, then becomes a
  // long sleeper that the call must not wait for.
  const std::string script =
      "r=$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2); echo \"$r\" > '" + report +
      "'; echo $$ > '" + ready + ".tmp'; mv '" + ready + ".tmp' '" + ready +
      "'; echo noise; echo noise >&2; exec sleep 30";
  const auto started = std::chrono::steady_clock::now();
  LaunchDetached({"sh", "-c", script});
  EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
  EXPECT_TRUE(NoChildLeft());

  for (int i = 0; i < 200 && !std::filesystem::exists(ready); ++i)
    std::this_thread::sleep_for(50ms);
  const pid_t pid = static_cast<pid_t>(std::stol("0" + FirstLine(ready)));
  ASSERT_GT(pid, 0) << "the program did not run";
  EXPECT_EQ(::getsid(pid), pid);

  std::ifstream in(report);
  std::string target;
  for (int fd = 0; fd < 3; ++fd) {
    std::getline(in, target);
    EXPECT_EQ(target, "/dev/null") << "descriptor " << fd;
  }
  ::kill(pid, SIGKILL);  // the sleeper started above, by its id
}

TEST(LaunchDetached, ProgramThatCannotStartGoesUnnoticed) {
  LaunchDetached({});
  LaunchDetached({"pellmora-no-such-program"});
  LaunchDetached({"/nonexistent/program", "-d"});
  EXPECT_TRUE(NoChildLeft());
}

}  // namespace
}  // namespace platform
