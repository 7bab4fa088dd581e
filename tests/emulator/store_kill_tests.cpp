// The store stays intact when the emulator is killed in the middle of writes.
#include <signal.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "emulator/store.h"
#include "tests/devicelib/abi_client.h"

namespace {

using torvak_client::EmulatorTest;

TEST_F(EmulatorTest, StoreIntactAfterSigkillDuringWrites) {
  std::mt19937 random(12345);
  int lastAcked = -1;
  for (int round = 0; round < 5; ++round) {
    StartEmulator({"--quiet"});
    const int h = torvak_client::ConnectTcp(Port());
    ASSERT_NE(h, 0);
    if (round == 0) {
      ASSERT_EQ(torvak_client::Write(h, "APN=keep me"), TORVAK_REPLY_OK);
    }
    std::atomic<int> acked{lastAcked};
    std::atomic<bool> stop{false};
    std::jthread writer([&, start = lastAcked + 1] {
      for (int i = start; !stop; ++i) {
        const std::string value = std::to_string(i) + std::string(200 + i % 300, 'v');
        if (torvak_client::Write(h, "Counter=" + value) != TORVAK_REPLY_OK) break;
        acked = i;
      }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 60));
    emulator_.Stop(SIGKILL);
    stop = true;
    writer.join();
    TORVAK_CLOSE(h);

    emulator::Store store(StorePath());
    std::string error;
    ASSERT_TRUE(store.Load(&error)) << "round " << round << ": " << error;
    EXPECT_EQ(store.Get("APN"), "keep me");
    const auto counter = store.Get("Counter");
    ASSERT_TRUE(counter) << "round " << round;
    const int stored = std::stoi(*counter);
    EXPECT_EQ(*counter, std::to_string(stored) + std::string(200 + stored % 300, 'v'));
    // Every acknowledged write is there; at most the one in flight beyond it.
    EXPECT_GE(stored, acked.load()) << "round " << round;
    EXPECT_LE(stored, acked.load() + 1) << "round " << round;
    EXPECT_GT(acked.load(), lastAcked) << "round " << round << ": no write got through";
    lastAcked = stored;
  }
}

}  // namespace
