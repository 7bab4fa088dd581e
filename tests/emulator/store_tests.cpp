#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "emulator/harness/emulator_process.h"
#include "emulator/store.h"
#include "emulator/store_format.h"

namespace {

using emulator::OptionMap;

std::string EveryByte() {
  std::string s;
  for (int c = 1; c < 256; ++c) s.push_back(static_cast<char>(c));
  return s;
}

TEST(StoreFormat, RoundTripsAnyBytesInNamesAndValues) {
  const OptionMap options = {{"APN", "internet"}, {"Empty", ""},
                             {"#Hash", "x"},      {"Odd name\\\n", "a=b=c\\x41\\\\"},
                             {"~MODEM", "2"},     {"All", EveryByte()}};
  const std::string text = emulator::FormatStore(options);
  OptionMap back;
  std::string error;
  ASSERT_TRUE(emulator::ParseStore(text, &back, &error)) << error;
  EXPECT_EQ(back, options);
  // One line per option plus the header: no raw newline survives escaping.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
}

TEST(StoreFormat, DamagedTextIsAnErrorNamingTheLine) {
  const char* cases[] = {
      "A=1\nno equals sign\n", "=value\n", "A=\\x4\n", "A=\\q\n", "A=\\x00\n", "A=1\nA=2\n"};
  for (const char* text : cases) {
    OptionMap out = {{"kept", "yes"}};
    std::string error;
    EXPECT_FALSE(emulator::ParseStore(text, &out, &error)) << text;
    EXPECT_NE(error.find("line"), std::string::npos) << text;
    EXPECT_EQ(out.count("kept"), 1u) << "output untouched on error";
  }
}

TEST(Store, KeepsOptionsAcrossReloadAndLeavesNoTemporaryFile) {
  harness::TempDir dir;
  const std::string file = dir.Path() + "/s.txt";
  std::string error;
  {
    emulator::Store store(file);
    ASSERT_TRUE(store.Load(&error)) << "a missing file is an empty store";
    EXPECT_TRUE(store.Options().empty());
    ASSERT_TRUE(store.Set("APN", "web", &error)) << error;
    ASSERT_TRUE(store.Set("All", EveryByte(), &error)) << error;
  }
  EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
  emulator::Store again(file);
  ASSERT_TRUE(again.Load(&error)) << error;
  EXPECT_EQ(again.Get("APN"), "web");
  EXPECT_EQ(again.Get("All"), EveryByte());
}

TEST(Store, FailedSaveChangesNothingAndDamagedFileIsNotLoaded) {
  harness::TempDir dir;
  std::string error;
  emulator::Store unwritable(dir.Path() + "/missing-dir/s.txt");
  EXPECT_FALSE(unwritable.Set("A", "1", &error));
  EXPECT_FALSE(unwritable.Get("A"));
  EXPECT_FALSE(error.empty());

  const std::string file = dir.Path() + "/bad.txt";
  std::ofstream(file) << "A=1\ngarbage\n";
  emulator::Store damaged(file);
  EXPECT_FALSE(damaged.Load(&error));
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;
}

}  // namespace
