// Hidden option lines through the library: encoded or in clear by "~OS".
#include "tests/devicelib/abi_client.h"

namespace {

struct OsCase {
  const char* os;
  bool encoded;
};

class HiddenLines : public torvak_client::EmulatorTest,
                    public ::testing::WithParamInterface<OsCase> {};

TEST_P(HiddenLines, RoundTripFollowsTheOsValue) {
  StartEmulator({"--os", GetParam().os});
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  const auto os = torvak_client::Read(h, "~OS");
  EXPECT_EQ(os.code, TORVAK_REPLY_OK);
  EXPECT_EQ(os.value, GetParam().os);
  const std::string sent =
      GetParam().encoded ? torvak_client::EncodeHidden("~MODEM=2", 192) : "~MODEM=2";
  if (GetParam().encoded) {
    EXPECT_EQ(sent, "~MODEM=C0F2");
  }
  EXPECT_EQ(torvak_client::Write(h, sent), TORVAK_REPLY_OK);
  EXPECT_EQ(torvak_client::Read(h, "~MODEM").value, "2") << "read back in clear";
  // A value with "=" and high bytes, seeds at both ends of the range.
  for (int seed : {1, 254}) {
    const std::string line = "~Secret=a=b\xE9\x7F" + std::to_string(seed);
    EXPECT_EQ(torvak_client::Write(
                  h, GetParam().encoded ? torvak_client::EncodeHidden(line, seed) : line),
              TORVAK_REPLY_OK);
    EXPECT_EQ(torvak_client::Read(h, "~Secret").value, line.substr(8));
  }
  EXPECT_NE(torvak_client::Write(h, "~OS=other"), TORVAK_REPLY_OK) << "~OS is read-only";
  TORVAK_CLOSE(h);
}

INSTANTIATE_TEST_SUITE_P(Os, HiddenLines,
                         ::testing::Values(OsCase{"", true}, OsCase{"NONE", true},
                                           OsCase{"none", false}, OsCase{"Linux 2.6", false}));

using torvak_client::EmulatorTest;

TEST_F(EmulatorTest, MalformedEncodingIsRefusedAndChangesNothing) {
  StartEmulator();
  const int h = torvak_client::ConnectTcp(Port());
  ASSERT_NE(h, 0);
  ASSERT_EQ(torvak_client::Write(h, "~MODEM=C0F2"), TORVAK_REPLY_OK);
  for (const char* bad : {"~MODEM=C0F", "~MODEM=c0f2", "~MODEM=00F2", "~MODEM=FFCD",
                          "~MODEM=", "~MODEM=C0C0", "~MODEM=3", "~MODEM=G0F2", "~MODEM"}) {
    EXPECT_EQ(torvak_client::Write(h, bad), 4002) << bad;
    EXPECT_EQ(torvak_client::Read(h, "~MODEM").value, "2") << bad;
  }
  TORVAK_CLOSE(h);
}

}  // namespace
