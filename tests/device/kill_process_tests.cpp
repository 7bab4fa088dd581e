// KillProcessByName against sleeping processes this test starts itself.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "device/Vandrel.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A copy of sleep, started with the given argv[0].
pid_t StartSleeper(const fs::path& program, const std::string& argv0) {
  std::string arg0 = argv0, seconds = "30";
  char* argv[] = {arg0.data(), seconds.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return 0;
  return pid;
}

// True when the child ended within a bounded wait.
bool Ended(pid_t pid) {
  for (int i = 0; i < 200; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(KillProcessByName, EndsEveryMatchAndSparesLongerNames) {
  const fs::path dir = fs::temp_directory_path() / ("pellmora-kill-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path program = dir / "dulvane.dll";
  fs::copy_file("/bin/sleep", program, fs::copy_options::overwrite_existing);

  const pid_t plain = StartSleeper(program, "dulvane.dll");
  const pid_t capitals = StartSleeper(program, "DULVANE.DLL");
  const pid_t fullPath = StartSleeper(program, program.string());
  const pid_t longer = StartSleeper(program, "xdulvane.dll");
  ASSERT_TRUE(plain && capitals && fullPath && longer);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));  // let them exec

  EXPECT_EQ(Vandrel::KillProcessByName("dulvane.dll"), 1);
  EXPECT_TRUE(Ended(plain));
  EXPECT_TRUE(Ended(capitals));
  EXPECT_TRUE(Ended(fullPath));
  EXPECT_EQ(waitpid(longer, nullptr, WNOHANG), 0) << "xdulvane.dll must survive";

  for (pid_t pid : {plain, capitals, fullPath, longer}) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, WNOHANG);
  }
  Ended(longer);
  fs::remove_all(dir);
}

TEST(KillProcessByName, NothingMatchingGivesZero) {
  EXPECT_EQ(Vandrel::KillProcessByName("no-such-program-pellmora.exe"), 0);
}

}  // namespace
