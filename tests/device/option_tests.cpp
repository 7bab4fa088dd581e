// Single-option read and write against the recording library.
#include <gtest/gtest.h>

#include "device/Vandrel.h"
#include "tests/support/recording_library.h"

using testing_support::FakeLibraryScope;
using Vandrel::CMD_READ_OPTION;
using Vandrel::CMD_WRITE_OPTION;

namespace {

struct WriteCase {
  const char* label;
  std::string line;
  bool encode;
  int seed;
  std::optional<std::string> deviceValue;  // nullopt: the read is answered with an error
  bool readExpected;
  std::optional<std::string> sent;  // nullopt: nothing written
};

class WriteOptionTable : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteOptionTable, SendsWhatTheDeviceLacks) {
  const WriteCase& c = GetParam();
  FakeLibraryScope fake;
  Vandrel::SetSeedGenerator([seed = c.seed] { return seed; });
  const std::string name = c.line.substr(0, c.line.find('='));
  if (c.deviceValue)
    fake->options[name] = *c.deviceValue;
  else
    fake->replyFor = [](const testing_support::Command& cmd) {
      return cmd.code == CMD_READ_OPTION ? std::uint16_t{4} : Vandrel::REPLY_OK;
    };

  EXPECT_TRUE(Vandrel::WriteOption(9, c.line, c.encode));

  std::size_t next = 0;
  if (c.readExpected) {
    ASSERT_GT(fake->commands.size(), next);
    const auto& read = fake->commands[next++];
    EXPECT_EQ(read.code, CMD_READ_OPTION);
    EXPECT_EQ(read.handle, 9);
    EXPECT_EQ(read.size, 200);
    EXPECT_EQ(read.length, static_cast<int>(name.size()) + 1);
    EXPECT_EQ(read.timeoutMs, 1000);
    EXPECT_EQ(read.request, name + '\0');
  }
  if (c.sent) {
    ASSERT_EQ(fake->commands.size(), next + 1);
    const auto& write = fake->commands[next];
    EXPECT_EQ(write.code, CMD_WRITE_OPTION);
    EXPECT_EQ(write.size, 100);
    EXPECT_EQ(write.length, static_cast<int>(c.sent->size()) + 1);
    EXPECT_EQ(write.timeoutMs, 2000);
    EXPECT_EQ(write.request, *c.sent + '\0');
  } else {
    EXPECT_EQ(fake->commands.size(), next);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WriteOptionTable,
    ::testing::Values(
        WriteCase{"HiddenEncoded", "~MODEM=2", true, 192, "", true, "~MODEM=C0F2"},
        WriteCase{"SeedZeroBecomes192", "~MODEM=2", true, 0, "", true, "~MODEM=C0F2"},
        WriteCase{"HiddenInClear", "~MODEM=2", false, 192, "", true, "~MODEM=2"},
        WriteCase{"HiddenUnchanged", "~MODEM=2", true, 192, "2", true, std::nullopt},
        WriteCase{"EmptyValueHeldEmpty", "APN=", false, 1, "", true, std::nullopt},
        WriteCase{"EmptyValueReadFails", "APN=", false, 1, std::nullopt, true, std::nullopt},
        WriteCase{"ReadFailsValueSent", "APN=web", false, 1, std::nullopt, true, "APN=web"},
        WriteCase{"LeadingEqualsNoRead", "=abc", true, 1, std::nullopt, false, "=abc"},
        WriteCase{"NoEqualsNoRead", "REBOOT", true, 1, std::nullopt, false, "REBOOT"},
        WriteCase{"CaseSensitive", "APN=Internet", false, 1, "internet", true, "APN=Internet"},
        // 0x10, 0x10^'a'=0x71, 0x71^'='=0x4C, 0x4C^'b'=0x2E
        WriteCase{"EqualsInsideValueChained", "~K=a=b", true, 0x10, "x", true, "~K=10714C2E"},
        WriteCase{"EqualsInsideValueCompared", "K=a=b", false, 1, "a=b", true, std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(WriteOption, ReportsTheWriteReply) {
  FakeLibraryScope fake;
  fake->replyFor = [](const testing_support::Command& c) {
    return c.code == CMD_WRITE_OPTION ? std::uint16_t{1} : Vandrel::REPLY_OK;
  };
  EXPECT_FALSE(Vandrel::WriteOption(1, "APN=x", false));
}

TEST(WriteOption, LongLineGetsABufferOfItsOwnLength) {
  FakeLibraryScope fake;
  const std::string line = "~NAME=" + std::string(300, 'v');
  EXPECT_TRUE(Vandrel::WriteOption(1, line, true));
  const auto& write = fake->commands.back();
  EXPECT_EQ(write.size, 100);
  EXPECT_EQ(write.length, 6 + 2 + 600 + 1);
}

TEST(ReadOption, ValueFollowsTheNameAndItsNul) {
  FakeLibraryScope fake;
  fake->options["~OS"] = "NONE";
  EXPECT_EQ(Vandrel::ReadOption(1, "~OS"), "NONE");
  fake->replyFor = [](const auto&) { return std::uint16_t{0}; };
  EXPECT_EQ(Vandrel::ReadOption(1, "~OS"), "");
}

TEST(ReadOption, ValueRunningToTheBufferEndStopsThere) {
  FakeLibraryScope fake;
  fake->options["N"] = std::string(500, 'z');  // the fake copies at most the declared size
  EXPECT_EQ(Vandrel::ReadOption(1, "N"), std::string(198, 'z'));
}

TEST(ReadOption, NameTooLongForTheBufferReadsEmptyWithoutSending) {
  FakeLibraryScope fake;
  EXPECT_EQ(Vandrel::ReadOption(1, std::string(198, 'n')), "");  // value starts at byte 199
  EXPECT_EQ(fake->commands.size(), 1u);
  EXPECT_EQ(Vandrel::ReadOption(1, std::string(199, 'n')), "");
  EXPECT_EQ(Vandrel::ReadOption(1, std::string(5000, 'n')), "");
  EXPECT_EQ(fake->commands.size(), 1u);
}

TEST(EncodeHiddenLine, LengthAndUnchangedWithoutSeparator) {
  Vandrel::SetSeedGenerator([] { return 7; });
  EXPECT_EQ(Vandrel::EncodeHiddenLine("~AB=xyz").size(), 4u + 2 + 6);
  EXPECT_EQ(Vandrel::EncodeHiddenLine("~AB=").size(), 4u + 2);
  EXPECT_EQ(Vandrel::EncodeHiddenLine("~NOSEP"), "~NOSEP");
  Vandrel::SetSeedGenerator(nullptr);
}

TEST(EncodeHiddenLine, DefaultSeedsStayInRangeAndRepeat) {
  Vandrel::SetSeedGenerator(nullptr);
  for (int i = 0; i < 2000; ++i) {
    const std::string encoded = Vandrel::EncodeHiddenLine("~X=");
    const int seed = std::stoi(encoded.substr(3), nullptr, 16);
    ASSERT_GE(seed, 1);
    ASSERT_LE(seed, 254);
  }
}

}  // namespace
