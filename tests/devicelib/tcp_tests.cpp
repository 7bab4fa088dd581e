// The library over loopback TCP against the emulator.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "emulator/harness/local_socket.h"
#include "tests/devicelib/abi_client.h"

namespace {

using Clock = std::chrono::steady_clock;
using torvak_client::EmulatorTest;

long long MsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

TEST_F(EmulatorTest, ReadAndWriteWithTheReplyLaidOutAfterTheName) {
  StartEmulator();
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  EXPECT_EQ(torvak_client::Command(h, 1003, 2000), TORVAK_REPLY_OK);
  EXPECT_EQ(torvak_client::Write(h, "APN=internet"), TORVAK_REPLY_OK);

  char buffer[200] = "APN";
  std::uint16_t code = 11;
  EXPECT_EQ(TORVAK_SENDCMD(h, &code, buffer, 200, 4, 1000), 1);
  ASSERT_EQ(code, TORVAK_REPLY_OK);
  EXPECT_EQ(std::string(buffer, 13), std::string("APN\0internet\0", 13));

  const auto missing = torvak_client::Read(h, "NoSuchOption");
  EXPECT_NE(missing.code, TORVAK_REPLY_OK);
  EXPECT_LT(missing.code, TORVAK_FAIL_NO_CONNECTION) << "a device reply, not a link failure";
  TORVAK_CLOSE(h);
}

TEST_F(EmulatorTest, ValuesRoundTripByteForByte) {
  StartEmulator();
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  std::string value = "a=b\\x\r\n\t ";
  for (int c = 1; c < 256; ++c) value.push_back(static_cast<char>(c));
  EXPECT_EQ(torvak_client::Write(h, "Blob=" + value), TORVAK_REPLY_OK);
  std::vector<char> buffer(1024, '\0');
  std::memcpy(buffer.data(), "Blob", 4);
  std::uint16_t code = 11;
  TORVAK_SENDCMD(h, &code, buffer.data(), 1024, 5, 1000);
  ASSERT_EQ(code, TORVAK_REPLY_OK);
  EXPECT_EQ(std::string(buffer.data() + 5, value.size()), value);
  EXPECT_EQ(buffer[5 + value.size()], '\0');
  TORVAK_CLOSE(h);
}

TEST_F(EmulatorTest, ReplyNeverWritesPastTheDeclaredSize) {
  StartEmulator();
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  ASSERT_EQ(torvak_client::Write(h, "APN=internet"), TORVAK_REPLY_OK);
  char buffer[32];
  std::memset(buffer, '#', sizeof buffer);
  std::memcpy(buffer, "APN", 4);
  std::uint16_t code = 11;
  TORVAK_SENDCMD(h, &code, buffer, 6, 4, 1000);
  EXPECT_EQ(code, TORVAK_REPLY_OK);
  EXPECT_EQ(std::string(buffer, 6), std::string("APN\0in", 6));
  EXPECT_EQ(std::string(buffer + 6, 26), std::string(26, '#'));
  TORVAK_CLOSE(h);
}

TEST(Init, FailsBoundedForEveryWrongTarget) {
  harness::LocalSocket closed(false);
  harness::LocalSocket silent(true);  // accepts (backlog) but never answers the handshake
  struct Case {
    const char* module;
    const char* address;
    int number;
    long long maxMs;
  } cases[] = {
      {"nosuch.dll", "127.0.0.1", closed.port, 200}, {"brisel.dll", "127.0.0.1", closed.port, 1000},
      {"brisel.dll", "not-an-address", 4370, 200},   {"brisel.dll", "127.0.0.1", 0, 200},
      {"brisel.dll", "127.0.0.1", 70000, 200},       {"brisel.dll", "127.0.0.1", silent.port, 3500},
      {"camoret.dll", "/dev/null", 1, 500},          {"camoret.dll", "/nonexistent/tty", 1, 500},
  };
  for (const auto& c : cases) {
    const auto start = Clock::now();
    EXPECT_EQ(TORVAK_INIT(c.module, c.address, c.number, 115200, 0, 0), 0)
        << c.module << " " << c.address << ":" << c.number;
    EXPECT_LT(MsSince(start), c.maxMs) << c.module << " " << c.address;
  }
  EXPECT_EQ(TORVAK_INIT(nullptr, "127.0.0.1", 1, 0, 0, 0), 0);
  EXPECT_EQ(TORVAK_INIT("brisel.dll", nullptr, 1, 0, 0, 0), 0);
}

TEST_F(EmulatorTest, UnknownAndClosedHandlesFailWithoutHarm) {
  StartEmulator();
  const int first = torvak_client::ConnectTcp(Port());
  ASSERT_NE(first, 0);
  EXPECT_EQ(TORVAK_CLOSE(first), 1);
  EXPECT_EQ(TORVAK_CLOSE(first), 0);
  const int second = torvak_client::ConnectTcp(Port());
  ASSERT_NE(second, 0);
  EXPECT_NE(second, first) << "handles are never reused";
  for (int h : {0, -1, first, second + 1000, 0x7FFFFFFF}) {
    EXPECT_EQ(torvak_client::Command(h, 1003), TORVAK_FAIL_NO_CONNECTION) << h;
    EXPECT_EQ(TORVAK_CLOSE(h), 0) << h;
  }
  EXPECT_EQ(TORVAK_SENDCMD(second, nullptr, nullptr, 0, 0, 1000), 0);
  std::uint16_t code = 11;
  EXPECT_EQ(TORVAK_SENDCMD(second, &code, nullptr, 0, 4, 1000), 0);
  EXPECT_EQ(code, TORVAK_FAIL_ARGUMENT);
  std::vector<char> big(5000, 'x');
  code = 12;
  TORVAK_SENDCMD(second, &code, big.data(), 5000, 5000, 1000);
  EXPECT_EQ(code, TORVAK_FAIL_ARGUMENT);
  EXPECT_EQ(torvak_client::Command(second, 1003), TORVAK_REPLY_OK) << "still usable";
  TORVAK_CLOSE(second);
}

TEST_F(EmulatorTest, TimeOutIsHonouredAndTheConnectionStaysUsable) {
  StartEmulator({"--no-reply", "11"});
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  const auto start = Clock::now();
  EXPECT_EQ(torvak_client::Read(h, "APN", 300).code, TORVAK_FAIL_TIMEOUT);
  EXPECT_GE(MsSince(start), 290);
  EXPECT_LT(MsSince(start), 2000);
  EXPECT_EQ(torvak_client::Write(h, "APN=x"), TORVAK_REPLY_OK);
  TORVAK_CLOSE(h);
}

TEST_F(EmulatorTest, LateReplyToATimedOutRequestIsDiscarded) {
  StartEmulator({"--delay", "500", "--delay-code", "11"});
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  ASSERT_EQ(torvak_client::Write(h, "A=alpha"), TORVAK_REPLY_OK);
  ASSERT_EQ(torvak_client::Write(h, "B=beta"), TORVAK_REPLY_OK);
  EXPECT_EQ(torvak_client::Read(h, "A", 100).code, TORVAK_FAIL_TIMEOUT);
  const auto b = torvak_client::Read(h, "B", 3000);
  EXPECT_EQ(b.code, TORVAK_REPLY_OK);
  EXPECT_EQ(b.value, "beta") << "the late reply for A must not answer B";
  TORVAK_CLOSE(h);
}

TEST_F(EmulatorTest, FaultInjectedWriteFailuresDriveTheRetryPath) {
  StartEmulator({"--fail-write", "APN:1", "--fail-write", "ModemPassword"});
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  EXPECT_NE(torvak_client::Write(h, "APN=web"), TORVAK_REPLY_OK);
  EXPECT_EQ(torvak_client::Write(h, "APN=web"), TORVAK_REPLY_OK) << "the retry succeeds";
  EXPECT_EQ(torvak_client::Read(h, "APN").value, "web");
  EXPECT_NE(torvak_client::Write(h, "ModemPassword=pw"), TORVAK_REPLY_OK);
  EXPECT_NE(torvak_client::Write(h, "ModemPassword=pw"), TORVAK_REPLY_OK);
  EXPECT_NE(torvak_client::Read(h, "ModemPassword").code, TORVAK_REPLY_OK);
  TORVAK_CLOSE(h);
}

TEST_F(EmulatorTest, RefusedConnectionGivesNoHandle) {
  StartEmulator({"--refuse-connections", "1"});
  EXPECT_EQ(torvak_client::ConnectTcp(Port()), 0);
  const int h = torvak_client::ConnectTcp(Port());
  EXPECT_NE(h, 0);
  TORVAK_CLOSE(h);
}

TEST_F(EmulatorTest, BrokenConnectionFailsEveryLaterCommandFast) {
  StartEmulator({"--close-after", "2"});
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  EXPECT_EQ(torvak_client::Command(h, 1003), TORVAK_REPLY_OK);
  EXPECT_EQ(torvak_client::Command(h, 1002), TORVAK_REPLY_OK);
  for (int i = 0; i < 3; ++i) {
    const auto start = Clock::now();
    const auto code = torvak_client::Command(h, 1002, 2000);
    EXPECT_TRUE(code == TORVAK_FAIL_NO_CONNECTION || code == TORVAK_FAIL_SEND) << code;
    EXPECT_LT(MsSince(start), 1000);
  }
  TORVAK_CLOSE(h);
}

TEST_F(EmulatorTest, DeviceKilledMidSessionFailsFast) {
  StartEmulator();
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  emulator_.Stop(SIGKILL);
  for (int i = 0; i < 2; ++i) {
    const auto start = Clock::now();
    EXPECT_NE(torvak_client::Write(h, "APN=x"), TORVAK_REPLY_OK);
    EXPECT_LT(MsSince(start), 1000);
  }
  TORVAK_CLOSE(h);
}

TEST_F(EmulatorTest, TwoHandlesFromTwoThreadsAndOneHandleSharedByThreads) {
  StartEmulator({"--quiet"});
  const int a = torvak_client::ConnectTcp(Port());
  const int b = torvak_client::ConnectTcp(Port());
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  ASSERT_NE(a, b);
  std::atomic<int> failures{0};
  auto worker = [&](int handle, std::string name) {
    for (int i = 0; i < 40; ++i) {
      const std::string value = name + std::to_string(i);
      if (torvak_client::Write(handle, name + "=" + value) != TORVAK_REPLY_OK) ++failures;
      const auto r = torvak_client::Read(handle, name);
      if (r.code != TORVAK_REPLY_OK || r.value != value) ++failures;
    }
  };
  { std::jthread t1(worker, a, "First"), t2(worker, b, "Second"); }
  { std::jthread t1(worker, a, "Third"), t2(worker, a, "Fourth"), t3(worker, a, "Fifth"); }
  EXPECT_EQ(failures, 0);
  TORVAK_CLOSE(a);
  TORVAK_CLOSE(b);
}

TEST_F(EmulatorTest, CloseFromAnotherThreadCutsAWaitShort) {
  StartEmulator({"--no-reply", "11"});
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  const auto start = Clock::now();
  std::jthread closer([h] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    TORVAK_CLOSE(h);
  });
  EXPECT_EQ(torvak_client::Read(h, "APN", 5000).code, TORVAK_FAIL_NO_CONNECTION);
  EXPECT_LT(MsSince(start), 2000);
}

}  // namespace
