// Snapshot and termination against processes this test starts itself; each
// one is ended by its id and reaped.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <vector>

#include <gtest/gtest.h>

#include "platform/process.h"
#include "temp_dir.h"

extern char** environ;

namespace platform {
namespace {

class OwnProcesses : public ::testing::Test {
 protected:
  ~OwnProcesses() override {
    for (const pid_t pid : started_) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
  }

  // A copy of a system program under the given file name in the temp folder.
  std::string CopyOf(const std::string& program, const std::string& name) {
    const std::string copy = dir_ / name;
    std::filesystem::copy_file(program, copy);
    return copy;
  }

  pid_t Start(const std::string& program, const std::string& argv0,
              const std::vector<std::string>& args = {"30"}) {
    std::vector<char*> argv{const_cast<char*>(argv0.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    // posix_spawn returns once the program has been executed, so /proc
    // already shows its arguments.
    EXPECT_EQ(::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ), 0);
    if (pid > 0) started_.push_back(pid);
    return pid;
  }

  // Waits for the process and forgets it; true when SIGKILL ended it.
  bool ReapKilled(pid_t pid) {
    int status = 0;
    const bool reaped = ::waitpid(pid, &status, 0) == pid;
    std::erase(started_, pid);
    return reaped && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  }

  static std::string NameOf(pid_t pid) {
    for (const auto& entry : SnapshotProcesses())
      if (entry.id == pid) return entry.exeName;
    return "(not listed)";
  }

  TempDir dir_;
  std::vector<pid_t> started_;
};

TEST_F(OwnProcesses, SnapshotListsArgv0AndTerminateEndsExactlyThatProcess) {
  const std::string sleeper = CopyOf("/bin/sleep", "dulvane.dll");
  const pid_t byPath = Start(sleeper, sleeper);
  const pid_t upper = Start(sleeper, "DULVANE.DLL");
  const pid_t survivor = Start(sleeper, "xdulvane.dll");
  const std::string longName(300, 'n');
  const pid_t longOne = Start(sleeper, longName);

  EXPECT_EQ(NameOf(byPath), sleeper);
  EXPECT_EQ(NameOf(upper), "DULVANE.DLL");
  EXPECT_EQ(NameOf(survivor), "xdulvane.dll");
  EXPECT_EQ(NameOf(longOne), longName.substr(0, 260));

  for (const pid_t pid : {byPath, upper, longOne}) {
    EXPECT_TRUE(TerminateProcessById(pid));
    EXPECT_TRUE(ReapKilled(pid));
  }
  EXPECT_EQ(::waitpid(survivor, nullptr, WNOHANG), 0) << "a process not asked for was ended";
}

TEST_F(OwnProcesses, ProcessWithoutArgumentsIsListedByItsKernelName) {
  // A zombie has no argument list left; it is listed by its comm, the file
  // name it was started from.
  const pid_t pid = Start(CopyOf("/bin/true", "dulvane.dll"), "ignored", {});
  siginfo_t info{};
  ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT), 0);
  EXPECT_EQ(NameOf(pid), "dulvane.dll");
  EXPECT_TRUE(TerminateProcessById(pid));  // already ending: no error
}

TEST(TerminateProcessById, ProcessThatNoLongerExistsIsNoError) {
  std::int64_t pidMax = 0;
  std::ifstream("/proc/sys/kernel/pid_max") >> pidMax;
  ASSERT_GT(pidMax, 1);
  EXPECT_TRUE(TerminateProcessById(pidMax));  // ids stay below pid_max
}

TEST(TerminateProcessById, NeverSignalsAGroup) {
  // kill() reads 0 and negative ids as process groups. Run the calls in a
  // child that leads a group of its own, so a fault ends only that child.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::setpgid(0, 0);
    const bool any = TerminateProcessById(0) ||
                     TerminateProcessById(std::int64_t{1} << 32) ||  // 0 when cut to 32 bits
                     TerminateProcessById(-static_cast<std::int64_t>(::getpid()));
    ::_exit(any ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status)) << "the child's own group was signalled";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "an id that is no single process was accepted";
}

}  // namespace
}  // namespace platform
