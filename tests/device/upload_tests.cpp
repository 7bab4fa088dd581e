// The option upload and the configuration commands.
#include <gtest/gtest.h>

#include "device/Vandrel.h"
#include "tests/support/recording_library.h"

using testing_support::Command;
using testing_support::FakeLibraryScope;
using namespace Vandrel;

namespace {

TEST(UploadOptions, EmptyListStillProbesAndDecides) {
  FakeLibraryScope fake;
  std::vector<int> pauses;
  SetSleeper([&](int ms) { pauses.push_back(ms); });
  EncodeHiddenOptions = false;
  EXPECT_EQ(UploadOptions({}), 0);
  ASSERT_EQ(fake->commands.size(), 1u);
  EXPECT_EQ(fake->commands[0].request, std::string("~OS") + '\0');
  EXPECT_TRUE(EncodeHiddenOptions);
  EXPECT_TRUE(pauses.empty());
}

struct ProbeCase {
  const char* label;
  std::optional<std::string> probe;  // nullopt: not answered
  bool encode;
};

class ProbeTable : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(ProbeTable, DecidesWhetherHiddenLinesAreEncoded) {
  FakeLibraryScope fake;
  SetSeedGenerator([] { return 192; });
  ActiveConnection = 3;
  if (GetParam().probe)
    fake->options["~OS"] = *GetParam().probe;
  else
    fake->replyFor = [](const Command& c) {
      return c.request.rfind("~OS", 0) == 0 ? std::uint16_t{0xFFF1} : REPLY_OK;
    };
  EXPECT_EQ(UploadOptions({"~MODEM=2"}), 1);
  EXPECT_EQ(EncodeHiddenOptions, GetParam().encode);
  EXPECT_EQ(fake->Writes(),
            std::vector<std::string>{GetParam().encode ? "~MODEM=C0F2" : "~MODEM=2"});
  for (const auto& c : fake->commands) EXPECT_EQ(c.handle, 3);
}

INSTANTIATE_TEST_SUITE_P(Answers, ProbeTable,
                         ::testing::Values(ProbeCase{"NONE", "NONE", true},
                                           ProbeCase{"LowerNone", "none", false},
                                           ProbeCase{"Empty", "", true},
                                           ProbeCase{"NoReply", std::nullopt, true},
                                           ProbeCase{"Other", "Linux", false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(UploadOptions, RetriesOnceWithFreshReadAndSeed) {
  FakeLibraryScope fake;
  int seed = 0x20;
  SetSeedGenerator([&] { return seed++; });
  int writes = 0;
  fake->replyFor = [&](const Command& c) {
    return c.code == CMD_WRITE_OPTION && writes++ == 0 ? std::uint16_t{5} : REPLY_OK;
  };
  EXPECT_EQ(UploadOptions({"~MODEM=2"}), 1);
  const auto sent = fake->Writes();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_NE(sent[0], sent[1]);  // a new seed for the retry
  // probe, read, write, read again, write again
  EXPECT_EQ(fake->Codes(), (std::vector<std::uint16_t>{11, 11, 12, 11, 12}));
}

TEST(UploadOptions, CountsLinesFailingTwiceAndPausesAfterEach) {
  FakeLibraryScope fake;
  std::vector<std::string> order;
  SetSleeper([&](int ms) { order.push_back("pause" + std::to_string(ms)); });
  SetProcessMessages([&] { order.push_back("messages"); });
  fake->replyFor = [](const Command& c) {
    bool bad = c.code == CMD_WRITE_OPTION && c.request.rfind("B=", 0) == 0;
    return bad ? std::uint16_t{1} : REPLY_OK;
  };
  EXPECT_EQ(UploadOptions({"A=1", "B=2", "C=3"}), 2);
  EXPECT_EQ(order, (std::vector<std::string>{"messages", "pause100", "messages", "pause100",
                                             "messages", "pause100"}));
  EXPECT_EQ(fake->Writes(), (std::vector<std::string>{"A=1", "B=2", "B=2", "C=3"}));
}

TEST(DeviceCommands, SentWithoutDataAndRepliesIgnored) {
  FakeLibraryScope fake;
  fake->replyFor = [](const Command&) { return std::uint16_t{0xFFF1}; };
  ActiveConnection = 4;
  BeginConfiguration();
  EndConfiguration();
  RestartDevice();
  ASSERT_EQ(fake->Codes(), (std::vector<std::uint16_t>{1003, 1002, 1002, 1014, 1004}));
  const std::vector<int> timeouts{2000, 1000, 1000, 1000, 1000};
  for (std::size_t i = 0; i < timeouts.size(); ++i) {
    const auto& c = fake->commands[i];
    EXPECT_TRUE(c.nullBuffer);
    EXPECT_EQ(c.size, 0);
    EXPECT_EQ(c.length, 0);
    EXPECT_EQ(c.timeoutMs, timeouts[i]);
    EXPECT_EQ(c.handle, 4);
  }
}

}  // namespace
