// The emulator program as the library and raw clients see it.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <future>
#include <thread>

#include "protocol/codes.h"
#include "protocol/decoder.h"
#include "tests/devicelib/abi_client.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using torvak_client::EmulatorTest;
using Bytes = std::vector<std::uint8_t>;

// A plain TCP client speaking frames directly.
class RawClient {
 public:
  explicit RawClient(int port) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  }
  ~RawClient() { close(fd_); }
  bool Connected() const { return connected_; }
  void Send(const Bytes& bytes) {
    ASSERT_EQ(send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(bytes.size()));
  }
  // The next frame, or nothing on time-out or end of stream.
  std::optional<protocol::Frame> Receive(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
      if (auto f = decoder_.Next()) return f;
      pollfd p{fd_, POLLIN, 0};
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return {};
      std::uint8_t buf[2048];
      const ssize_t n = recv(fd_, buf, sizeof buf, 0);
      if (n <= 0) return {};
      decoder_.Feed(buf, static_cast<std::size_t>(n));
    }
  }
  // True when the emulator closed the connection within timeout.
  bool ClosedByPeer(std::chrono::milliseconds timeout) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(timeout.count())) <= 0) return false;
    std::uint8_t b;
    return recv(fd_, &b, 1, 0) <= 0;
  }

 private:
  int fd_ = -1;
  bool connected_ = false;
  protocol::FrameDecoder decoder_;
};

Bytes Request(std::uint16_t code, std::uint16_t seq, std::string payload = {}) {
  protocol::Frame f;
  f.code = code;
  f.sequence = seq;
  f.payload = std::move(payload);
  return protocol::Encode(f);
}

TEST_F(EmulatorTest, CorruptAndOversizedFramesAreRefusedAndTheDeviceGoesOn) {
  StartEmulator();
  RawClient client(Port());
  ASSERT_TRUE(client.Connected());
  Bytes corrupt = Request(protocol::kReadOption, 1, std::string("APN\0", 4));
  corrupt[15] ^= 0xFF;
  Bytes oversized = Request(protocol::kReadOption, 2);
  oversized[10] = 0xFF;  // length 65280, header checksum now wrong as well
  Bytes noise(3000, 0xA5);
  client.Send(corrupt);
  client.Send(oversized);
  client.Send(noise);
  client.Send(Request(protocol::kHello, 3, protocol::kHelloText));
  const auto reply = client.Receive(2000ms);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->sequence, 3) << "nothing answered the damaged frames";
  EXPECT_EQ(reply->code, protocol::kReplyOk);
  EXPECT_TRUE(emulator_.WaitForOutput("corrupt or oversized", 1000ms));
  // A frame whose payload exceeds the limit cannot even be built; the
  // device is still there for the library.
  const int h = torvak_client::ConnectTcp(Port());
  EXPECT_NE(h, 0);
  TORVAK_CLOSE(h);
}

TEST_F(EmulatorTest, ClientsAreServedAtOnce) {
  StartEmulator({"--delay", "800", "--delay-code", "11"});
  const int slow = torvak_client::ConnectTcp(Port());
  const int fast = torvak_client::ConnectTcp(Port());
  ASSERT_NE(slow, 0);
  ASSERT_NE(fast, 0);
  ASSERT_EQ(torvak_client::Write(fast, "APN=first"), TORVAK_REPLY_OK);
  auto pending =
      std::async(std::launch::async, [&] { return torvak_client::Read(slow, "APN", 3000).code; });
  std::this_thread::sleep_for(50ms);
  const auto start = Clock::now();
  EXPECT_EQ(torvak_client::Write(fast, "APN=x"), TORVAK_REPLY_OK);
  EXPECT_LT(Clock::now() - start, 500ms) << "the delayed client must not hold up the other";
  EXPECT_EQ(pending.get(), TORVAK_REPLY_OK);
  TORVAK_CLOSE(slow);
  TORVAK_CLOSE(fast);
}

TEST_F(EmulatorTest, RestartIsCarriedOutAfterDisconnectAndReloadsTheStore) {
  StartEmulator();
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  ASSERT_EQ(torvak_client::Write(h, "APN=before"), TORVAK_REPLY_OK);
  EXPECT_EQ(torvak_client::Command(h, 1004), TORVAK_REPLY_OK);
  EXPECT_FALSE(emulator_.WaitForOutput("restart: done", 200ms)) << "not before the disconnect";
  { std::ofstream(StorePath()) << "APN=edited\n"; }
  TORVAK_CLOSE(h);
  ASSERT_TRUE(emulator_.WaitForOutput("restart: done", 2000ms)) << emulator_.Output();
  const int again = torvak_client::ConnectTcp(Port());
  ASSERT_NE(again, 0);
  EXPECT_EQ(torvak_client::Read(again, "APN").value, "edited");
  TORVAK_CLOSE(again);
}

TEST_F(EmulatorTest, RestartOverAPtyHappensWhenTheClientCloses) {
  StartEmulator({"--pty", PtyPath()});
  const int h = TORVAK_INIT("camoret.dll", PtyPath().c_str(), 1, 115200, 0, 0);
  ASSERT_NE(h, 0);
  EXPECT_EQ(torvak_client::Command(h, 1004), TORVAK_REPLY_OK);
  TORVAK_CLOSE(h);
  EXPECT_TRUE(emulator_.WaitForOutput("restart: done", 2000ms)) << emulator_.Output();
  const int again = TORVAK_INIT("camoret.dll", PtyPath().c_str(), 1, 115200, 0, 0);
  EXPECT_NE(again, 0) << "the line serves the next client";
  TORVAK_CLOSE(again);
}

TEST_F(EmulatorTest, NextClientsFrameRightAfterAnEndOfSessionIsAnswered) {
  StartEmulator({"--pty", PtyPath()});
  const int fd = open(PtyPath().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  termios tio{};
  tcgetattr(fd, &tio);
  cfmakeraw(&tio);
  tcsetattr(fd, TCSANOW, &tio);
  protocol::Frame bye, hello;
  bye.code = protocol::kBye;
  bye.device = hello.device = 1;
  hello.code = protocol::kHello;
  hello.sequence = 7;
  Bytes both = protocol::Encode(bye);
  const Bytes second = protocol::Encode(hello);
  both.insert(both.end(), second.begin(), second.end());
  ASSERT_EQ(write(fd, both.data(), both.size()), static_cast<ssize_t>(both.size()));
  protocol::FrameDecoder decoder;
  std::optional<protocol::Frame> reply;
  for (int i = 0; i < 20 && !reply; ++i) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    std::uint8_t buf[256];
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n > 0) decoder.Feed(buf, static_cast<std::size_t>(n));
    reply = decoder.Next();
  }
  close(fd);
  ASSERT_TRUE(reply) << emulator_.Output();
  EXPECT_EQ(reply->sequence, 7);
}

TEST_F(EmulatorTest, IdleConnectionsAreDropped) {
  StartEmulator({"--idle-timeout", "0.3"});
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  EXPECT_TRUE(emulator_.WaitForOutput("idle for longer", 2000ms));
  EXPECT_EQ(torvak_client::Command(h, 1003), TORVAK_FAIL_NO_CONNECTION);
  TORVAK_CLOSE(h);
}

TEST_F(EmulatorTest, OneLogLinePerCommandUnlessQuiet) {
  for (bool quiet : {false, true}) {
    StartEmulator(quiet ? std::vector<std::string>{"--quiet"} : std::vector<std::string>{});
    const int h = torvak_client::ConnectTcp(Port());
    ASSERT_NE(h, 0);
    torvak_client::Command(h, 1003);
    torvak_client::Write(h, "APN=x");
    torvak_client::Read(h, "APN");
    torvak_client::Command(h, 1002);
    TORVAK_CLOSE(h);
    emulator_.WaitForOutput("session ended", 1000ms);
    const std::string out = emulator_.Output();
    int commandLines = 0;
    for (std::size_t at = out.find(" #"); at != std::string::npos; at = out.find(" #", at + 2))
      ++commandLines;
    // Handshake, four commands and the library's end-of-session frame.
    EXPECT_EQ(commandLines, quiet ? 0 : 6) << out;
    emulator_.Stop(SIGTERM);
  }
}

TEST_F(EmulatorTest, StoreSurvivesARestartOfTheProgramAndDumps) {
  StartEmulator();
  int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  ASSERT_EQ(torvak_client::Write(h, "SSID=my net"), TORVAK_REPLY_OK);
  ASSERT_EQ(torvak_client::Write(h, "Key1Str=a\nb"), TORVAK_REPLY_OK);
  TORVAK_CLOSE(h);
  EXPECT_TRUE(WIFEXITED(emulator_.Stop(SIGTERM)));

  StartEmulator();
  h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  EXPECT_EQ(torvak_client::Read(h, "SSID").value, "my net");
  TORVAK_CLOSE(h);
  emulator_.Stop(SIGTERM);

  harness::EmulatorProcess dump;
  std::string error;
  EXPECT_FALSE(dump.Start({"--dump", "--store", StorePath()}, &error));
  EXPECT_NE(error.find("Key1Str=a\\x0Ab\nSSID=my net\n"), std::string::npos) << error;
}

TEST_F(EmulatorTest, BadStartsEndWithAMessage) {
  { std::ofstream(StorePath()) << "no equals sign\n"; }
  harness::EmulatorProcess bad;
  std::string error;
  EXPECT_FALSE(bad.Start({"--store", StorePath(), "--tcp", "127.0.0.1:0"}, &error));
  EXPECT_NE(error.find("line 1"), std::string::npos) << error;
  EXPECT_TRUE(std::ifstream(StorePath()).good()) << "a damaged store is left for inspection";

  { std::ofstream(PtyPath()) << "a regular file"; }
  EXPECT_FALSE(bad.Start({"--store", dir_.Path() + "/ok.txt", "--pty", PtyPath()}, &error));
  EXPECT_NE(error.find("not a symlink"), std::string::npos) << error;
  EXPECT_FALSE(bad.Start({"--tcp", "localhost:4370", "--store", dir_.Path() + "/ok.txt"}, &error));
  EXPECT_NE(error.find("numeric"), std::string::npos) << error;
}

}  // namespace
