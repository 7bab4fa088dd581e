// The settings-file layout on text: what reads as which value, and what a
// write changes.
#include <gtest/gtest.h>

#include "platform/profile_text.h"

namespace platform {
namespace {

TEST(LookupProfileValue, FollowsTheLayoutRules) {
  const struct {
    const char* name;
    std::string content;
    std::string section;
    std::string key;
    std::optional<std::string> value;
  } cases[] = {
      {"plain", "[Config]\nPort=4370\n", "Config", "Port", "4370"},
      {"key in other case", "[Config]\nbaudrate=9600\n", "Config", "BaudRate", "9600"},
      {"section in other case", "[CONFIG]\nPort=1\n", "config", "Port", "1"},
      {"CR LF lines", "[Config]\r\nPort=4370\r\nDeviceID=2\r\n", "Config", "Port", "4370"},
      {"last line without end", "[Config]\r\nPort=4370", "Config", "Port", "4370"},
      {"blanks trimmed", "  [ Config ]  \n\t Port \t=  4370 \t\n", "Config", "Port", "4370"},
      {"arguments trimmed", "[Config]\nPort=1\n", " Config ", " Port ", "1"},
      {"empty value", "[Config]\nPort=\n", "Config", "Port", ""},
      {"second = is part of the value", "[Config]\nk=a=b\n", "Config", "k", "a=b"},
      {"first match wins", "[Config]\nPort=1\nport=2\n", "Config", "Port", "1"},
      {"same section twice counts as one", "[Config]\na=1\n[Other]\nb=2\n[config]\nb=3\n", "Config",
       "b", "3"},
      {"double quotes stripped", "[Config]\nk=\" a \"\n", "Config", "k", " a "},
      {"single quotes stripped", "[Config]\nk='x'\n", "Config", "k", "x"},
      {"one pair only", "[Config]\nk=\"\"x\"\"\n", "Config", "k", "\"x\""},
      {"unmatched quotes kept", "[Config]\nk=\"x'\n", "Config", "k", "\"x'"},
      {"lone quote kept", "[Config]\nk=\"\n", "Config", "k", "\""},
      {"text after header ignored", "[Config] ; main\nPort=1\n", "Config", "Port", "1"},
      {"header without ]", "[Config\nPort=1\n", "Config", "Port", "1"},
      {"lines before first section ignored", "Port=9\nSSID=x\n[Config]\nSSID=y\n", "Config", "Port",
       std::nullopt},
      {"other section not read", "[Other]\nPort=9\n[Config]\n", "Config", "Port", std::nullopt},
      {"key of a later section not read", "[Config]\n[Other]\nPort=9\n", "Config", "Port",
       std::nullopt},
      {"missing section", "[Other]\nPort=9\n", "Config", "Port", std::nullopt},
      {"comment is no key", "[Config]\n;Port=9\n  ; Port=8\n", "Config", "Port", std::nullopt},
      {"line without = is no key", "[Config]\nPort\n", "Config", "Port", std::nullopt},
      {"empty key never matches", "[Config]\n=x\n", "Config", "", std::nullopt},
      {"prefix of a key is another key", "[Config]\nPortX=1\n", "Config", "Port", std::nullopt},
      {"empty file", "", "Config", "Port", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LookupProfileValue(c.content, c.section, c.key), c.value) << c.name;
}

TEST(LookupProfileValue, CutsValuesAt2047Characters) {
  const std::string longValue(5000, 'v');
  EXPECT_EQ(LookupProfileValue("[s]\nk=" + longValue + "\n", "s", "k"), longValue.substr(0, 2047));
  const std::string exact(2047, 'w');
  EXPECT_EQ(LookupProfileValue("[s]\nk=\"" + exact + "\"\n", "s", "k"), exact);
}

TEST(SetProfileValue, ChangesOnlyTheOneEntry) {
  const struct {
    const char* name;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
  } cases[] = {
      {"new file uses CR LF", "", "Config", "Port", "4370", "[Config]\r\nPort=4370\r\n"},
      {"replaced in place, CR LF kept",
       "; top\r\n[Config]\r\nlocatIP=1.2.3.4\r\nPort=1\r\nDeviceID=2\r\n", "Config", "Port", "4370",
       "; top\r\n[Config]\r\nlocatIP=1.2.3.4\r\nPort=4370\r\nDeviceID=2\r\n"},
      {"key spelling and indentation of the file kept", "[config]\n  BaudRate = 1 \n", "Config",
       "Baudrate", "57600", "[config]\n  BaudRate=57600\n"},
      {"LF file gets LF lines", "[Other]\nx=1\n", "Config", "Port", "1",
       "[Other]\nx=1\n[Config]\nPort=1\n"},
      {"line end of the first line decides", "a\r\nb\n", "Config", "Port", "1",
       "a\r\nb\n[Config]\r\nPort=1\r\n"},
      {"missing end of last line added", "[Other]\nx=1", "Config", "Port", "1",
       "[Other]\nx=1\n[Config]\nPort=1\n"},
      {"option lines before the section kept", "WIFI=1\r\nSSID=net\r\n", "Config", "Baudrate",
       "57600", "WIFI=1\r\nSSID=net\r\n[Config]\r\nBaudrate=57600\r\n"},
      {"added after last line of section, before blank lines",
       "[Config]\nlocatIP=1\n; note\n\n[Other]\nPort=9\n", "Config", "Port", "2",
       "[Config]\nlocatIP=1\n; note\nPort=2\n\n[Other]\nPort=9\n"},
      {"added to an empty section at its end", "[Config]", "Config", "Port", "2",
       "[Config]\r\nPort=2\r\n"},
      {"added to the first of two same sections", "[Config]\na=1\n[X]\n[CONFIG]\nb=2\n", "Config",
       "c", "3", "[Config]\na=1\nc=3\n[X]\n[CONFIG]\nb=2\n"},
      {"found in the second of two same sections", "[Config]\na=1\n[X]\n[CONFIG]\nb=2\n", "Config",
       "B", "3", "[Config]\na=1\n[X]\n[CONFIG]\nb=3\n"},
      {"comment and bare line left alone", "[Config]\n;Port=1\nPort\n", "Config", "Port", "2",
       "[Config]\n;Port=1\nPort\nPort=2\n"},
      {"lines before first section are not the section", "Port=1\n", "Config", "Port", "2",
       "Port=1\n[Config]\nPort=2\n"},
      {"empty value", "[Config]\nPort=1\n", "Config", "Port", "", "[Config]\nPort=\n"},
      {"other line ends kept byte for byte", "[Config]\r\nPort=1\nx=2\r\n", "Config", "Port", "3",
       "[Config]\r\nPort=3\nx=2\r\n"},
  };
  for (const auto& c : cases) {
    const std::string after = SetProfileValue(c.before, c.section, c.key, c.value);
    EXPECT_EQ(after, c.after) << c.name;
    EXPECT_EQ(LookupProfileValue(after, c.section, c.key), c.value) << c.name;
  }
}

TEST(ProfileEntryProblem, RefusesEntriesThatWouldNotReadBack) {
  EXPECT_EQ(ProfileEntryProblem("Config", "Port", "4370"), "");
  EXPECT_EQ(ProfileEntryProblem("Config", "Port", ""), "");
  EXPECT_EQ(ProfileEntryProblem("Config", "Port", "a=b;c[d]"), "");
  const struct {
    std::string section, key, value;
  } refused[] = {
      {"Config", "Port", "1\r\n[Other]"},
      {"Config", "Port", "1\n"},
      {"Con\nfig", "Port", "1"},
      {"Config", "Po\rrt", "1"},
      {"Con]fig", "Port", "1"},
      {"Config", "", "1"},
      {"Config", "  ", "1"},
      {"Config", "a=b", "1"},
      {"Config", "[a", "1"},
      {"Config", ";a", "1"},
  };
  for (const auto& r : refused)
    EXPECT_NE(ProfileEntryProblem(r.section, r.key, r.value), "") << r.section << "/" << r.key;
}

}  // namespace
}  // namespace platform
