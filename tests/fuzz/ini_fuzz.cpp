// Settings files can be edited by anyone: feed arbitrary files and arguments
// through the reader and the writer, on a real file, and check that a write
// changes exactly the one entry it is asked to.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/error.h"
#include "platform/ini.h"
#include "platform/profile_text.h"
#include "platform/text.h"

namespace {

// One folder for the whole run, removed when the fuzzer exits.
struct Folder {
  Folder() {
    path = (std::filesystem::temp_directory_path() / "ini-fuzz-XXXXXX").string();
    if (!mkdtemp(path.data())) abort();
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string path;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool SameName(const std::string& a, const std::string& b) {
  const std::string x = platform::Trim(a), y = platform::Trim(b);
  if (x.size() != y.size()) return false;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    if (lower(x[i]) != lower(y[i])) return false;
  }
  return true;
}

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "ini_fuzz: %s\n", what);
    abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 64 * 1024) return 0;  // larger files add time, not new paths
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(32);
  const std::string key = input.ConsumeRandomLengthString(32);
  const std::string value = input.ConsumeRandomLengthString(3000);
  const std::string otherSection = input.ConsumeRandomLengthString(32);
  const std::string otherKey = input.ConsumeRandomLengthString(32);
  const std::string content = input.ConsumeRemainingBytesAsString();

  static const Folder folder;
  const std::string path = folder.path + "/options.ini";
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
  const std::string fallback = "\x01(default)";

  const auto before = platform::LookupProfileValue(content, section, key);
  Check(platform::ReadProfileString(path, section, key, fallback) == before.value_or(fallback),
        "file read differs from text read");
  Check(!before || before->size() <= platform::kMaxProfileValue, "value longer than 2047");

  const bool refused = !platform::ProfileEntryProblem(section, key, value).empty();
  try {
    platform::WriteProfileString(path, section, key, value);
  } catch (const platform::Error&) {
    Check(refused, "sound write refused");
    Check(Slurp(path) == content, "refused write changed the file");
    return 0;
  }
  Check(!refused, "unsound write accepted");

  const std::string after = Slurp(path);
  Check(after == platform::SetProfileValue(content, section, key, value), "file differs from text");
  const auto expected = platform::LookupProfileValue("[s]\nk=" + value + "\n", "s", "k");
  Check(platform::LookupProfileValue(after, section, key) == expected, "written value lost");
  Check(platform::SetProfileValue(after, section, key, value) == after, "second write changed");
  if (!SameName(otherKey, key))
    Check(platform::LookupProfileValue(after, section, otherKey) ==
              platform::LookupProfileValue(content, section, otherKey),
          "other key changed");
  if (!SameName(otherSection, section))
    Check(platform::LookupProfileValue(after, otherSection, key) ==
              platform::LookupProfileValue(content, otherSection, key),
          "other section changed");
  return 0;
}
