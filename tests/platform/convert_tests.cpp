#include <gtest/gtest.h>

#include "platform/convert.h"
#include "platform/error.h"
#include "platform/text.h"

namespace platform {
namespace {

std::string MessageOf(const auto& call) {
  try {
    call();
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(StrToInt, AcceptsDecimalWithOptionalSign) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"0", 0},
      {"4370", 4370},
      {"+5", 5},
      {"-0", 0},
      {"-17", -17},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"00000000000000000000000000000000000012", 12},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RejectsEverythingElseNamingTheText) {
  const char* cases[] = {
      "",
      "+",
      "-",
      "--1",
      "+-1",
      " 1",
      "1 ",
      "1\t",
      "$1F",
      "0x1F",
      "1e3",
      "1.0",
      "12a",
      "a12",
      "١",
      "2147483648",
      "-2147483649",
      "99999999999999999999999999",
      "4294967296",
      "-9223372036854775808",
  };
  for (const char* text : cases)
    EXPECT_EQ(MessageOf([&] { StrToInt(text); }),
              "'" + std::string(text) + "' is not a valid integer value")
        << text;
}

TEST(CheckedWord, KeepsSixteenBitRangeAndRejectsTheRest) {
  EXPECT_EQ(CheckedWord(0), 0);
  EXPECT_EQ(CheckedWord(4370), 4370);
  EXPECT_EQ(CheckedWord(65535), 65535);
  for (const std::int32_t value : {-1, 65536, -65536, 2147483647, -2147483647 - 1})
    EXPECT_EQ(MessageOf([&] { CheckedWord(value); }), "Range check error") << value;
}

TEST(ErrorBoxText, AppendsPeriodOnlyAfterCharactersSortingAfterIt) {
  const struct {
    std::string message;
    std::string shown;
  } cases[] = {
      {"Range check error", "Range check error."},
      {"'x' is not a valid integer value", "'x' is not a valid integer value."},
      {"Unable to write to /a/options.ini", "Unable to write to /a/options.ini."},
      {"done.", "done."},
      {"what?", "what?."},  // '?' sorts after '.'
      {"ends with -", "ends with -"},
      {"ends with !", "ends with !"},
      {"ends with /", "ends with /."},
      {"ends with 0", "ends with 0."},
      {"\xa3\xbf", "\xa3\xbf."},  // bytes above 0x7f compare unsigned
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEnds) {
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim(" \t\r\n"), "");
  EXPECT_EQ(Trim(std::string("\0 a b \x1f\x20", 7)), "a b");
  EXPECT_EQ(Trim("\x7f"
                 "a\xa0"),
            "\x7f"
            "a\xa0");  // only codes 0..32 count
}

}  // namespace
}  // namespace platform
