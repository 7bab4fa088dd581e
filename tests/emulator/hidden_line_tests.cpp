#include <gtest/gtest.h>

#include "emulator/faults.h"
#include "emulator/hidden_line.h"

namespace {

TEST(HiddenLine, DecodesTheProgramsEncoding) {
  const std::pair<const char*, const char*> valid[] = {
      {"C0F2", "2"}, {"C0", ""}, {"01", ""}, {"FE", ""}, {"C0F2CF", "2="}};
  for (const auto& [encoded, clear] : valid) {
    const auto value = emulator::DecodeHiddenValue(encoded);
    ASSERT_TRUE(value) << encoded;
    EXPECT_EQ(*value, clear) << encoded;
  }
  for (const char* bad : {"", "C", "C0F", "c0f2", "00F2", "FF0D", "C0C0", "C0 2", "XYZW"})
    EXPECT_FALSE(emulator::DecodeHiddenValue(bad)) << bad;
}

TEST(HiddenLine, EncodedExactlyWhenOsIsEmptyOrNONE) {
  EXPECT_TRUE(emulator::HiddenLinesEncoded(""));
  EXPECT_TRUE(emulator::HiddenLinesEncoded("NONE"));
  for (const char* os : {"none", "NONE ", "Linux", " "})
    EXPECT_FALSE(emulator::HiddenLinesEncoded(os)) << os;
}

TEST(WriteFault, NameWithOptionalAttemptCount) {
  const auto always = emulator::ParseWriteFault("APN");
  ASSERT_TRUE(always);
  EXPECT_EQ(always->name, "APN");
  EXPECT_EQ(always->count, -1);
  const auto twice = emulator::ParseWriteFault("~MODEM:2");
  ASSERT_TRUE(twice);
  EXPECT_EQ(twice->name, "~MODEM");
  EXPECT_EQ(twice->count, 2);
  EXPECT_EQ(emulator::ParseWriteFault("a:b")->name, "a:b");
  EXPECT_FALSE(emulator::ParseWriteFault(""));
  EXPECT_FALSE(emulator::ParseWriteFault(":3"));
}

}  // namespace
