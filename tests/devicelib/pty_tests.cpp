// The library's serial transport against the emulator on a pseudo-terminal.
#include <chrono>

#include "tests/devicelib/abi_client.h"

namespace {

using Clock = std::chrono::steady_clock;

class PtyTest : public torvak_client::EmulatorTest {
 protected:
  void SetUp() override { StartEmulator({"--pty", PtyPath(), "--device-number", "3"}); }
  int Open(int number = 3, int baud = 115200) {
    return TORVAK_INIT("camoret.dll", PtyPath().c_str(), number, baud, 0, 0);
  }
};

TEST_F(PtyTest, HandshakeReadAndWrite) {
  const int h = Open();
  ASSERT_NE(h, 0);
  EXPECT_EQ(torvak_client::Command(h, 1003, 2000), TORVAK_REPLY_OK);
  EXPECT_EQ(torvak_client::Write(h, "ModemDialNumber=*99***1#"), TORVAK_REPLY_OK);
  EXPECT_EQ(torvak_client::Read(h, "ModemDialNumber").value, "*99***1#");
  EXPECT_EQ(torvak_client::Write(h, torvak_client::EncodeHidden("~MODEM=2", 192)), TORVAK_REPLY_OK);
  EXPECT_EQ(torvak_client::Read(h, "~MODEM").value, "2");
  TORVAK_CLOSE(h);
}

TEST_F(PtyTest, OtherDeviceNumberOrUnsupportedRateGivesNoHandle) {
  const auto start = Clock::now();
  EXPECT_EQ(Open(4), 0) << "another device on the line does not answer";
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
  EXPECT_EQ(Open(3, 12345), 0);
  EXPECT_EQ(Open(3, 0), 0);
  EXPECT_EQ(Open(70000), 0);
  const int h = Open();
  EXPECT_NE(h, 0);
  TORVAK_CLOSE(h);
}

TEST_F(PtyTest, PortIsOpenedExclusively) {
  const int first = Open();
  ASSERT_NE(first, 0);
  EXPECT_EQ(Open(), 0) << "a second open of a port in use must fail";
  TORVAK_CLOSE(first);
  const int again = Open();
  EXPECT_NE(again, 0) << "free again after close\n" << emulator_.Output();
  EXPECT_NE(again, first);
  TORVAK_CLOSE(again);
}

TEST_F(PtyTest, TimeOutThenStaleReplyDiscarded) {
  emulator_.Stop(SIGKILL);
  StartEmulator(
      {"--pty", PtyPath(), "--device-number", "3", "--delay", "400", "--delay-code", "11"});
  const int h = Open();
  ASSERT_NE(h, 0);
  ASSERT_EQ(torvak_client::Write(h, "A=alpha"), TORVAK_REPLY_OK);
  ASSERT_EQ(torvak_client::Write(h, "B=beta"), TORVAK_REPLY_OK);
  EXPECT_EQ(torvak_client::Read(h, "A", 100).code, TORVAK_FAIL_TIMEOUT);
  EXPECT_EQ(torvak_client::Read(h, "B", 3000).value, "beta");
  TORVAK_CLOSE(h);
}

TEST_F(PtyTest, DeviceGoneFailsFast) {
  const int h = Open();
  ASSERT_NE(h, 0);
  emulator_.Stop(SIGKILL);
  for (int i = 0; i < 2; ++i) {
    const auto start = Clock::now();
    EXPECT_NE(torvak_client::Command(h, 1003, 2000), TORVAK_REPLY_OK);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1500));
  }
  TORVAK_CLOSE(h);
}

}  // namespace
