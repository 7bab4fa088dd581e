// Reading and writing single options, and the encoding of hidden options.
#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "device/Vandrel.h"

namespace Vandrel {
namespace {

constexpr std::int32_t kReadBufferSize = 200;
constexpr std::int32_t kReadTimeoutMs = 1000;
constexpr std::int32_t kWriteDeclaredSize = 100;
constexpr std::int32_t kWriteTimeoutMs = 2000;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// Fixed seed: every run draws the same sequence of seeds.
int DefaultSeed() {
  static std::minstd_rand generator(1);
  return static_cast<int>(generator() % 255);
}

SeedGenerator seedGenerator;

int DrawSeed() {
  int seed = seedGenerator ? seedGenerator() : DefaultSeed();
  seed = std::clamp(seed, 0, 254);
  return seed == 0 ? 192 : seed;
}

void AppendHex(std::string& out, unsigned key) {
  out += kHexDigits[(key >> 4) & 0x0F];
  out += kHexDigits[key & 0x0F];
}

}  // namespace

void SetSeedGenerator(SeedGenerator generator) { seedGenerator = std::move(generator); }

std::string ReadOption(ConnectionHandle handle, const std::string& name) {
  // The value must start inside the buffer: a longer name has no value.
  if (name.size() + 1 >= static_cast<std::size_t>(kReadBufferSize)) return {};

  char buffer[kReadBufferSize] = {};
  std::memcpy(buffer, name.data(), name.size());
  std::uint16_t code = CMD_READ_OPTION;
  TORVAK_SENDCMD(handle, &code, buffer, kReadBufferSize, static_cast<std::int32_t>(name.size()) + 1,
                 kReadTimeoutMs);
  if (code != REPLY_OK) return {};

  const char* value = buffer + name.size() + 1;
  const char* end = buffer + kReadBufferSize;
  return std::string(value, std::find(value, end, '\0'));
}

std::string EncodeHiddenLine(const std::string& line) {
  std::string out;
  out.reserve(line.size() * 2 + 2);
  bool separatorPassed = false;
  unsigned key = 0;
  for (char c : line) {
    if (!separatorPassed) {
      out += c;
      if (c == '=') {
        separatorPassed = true;
        key = static_cast<unsigned>(DrawSeed());
        AppendHex(out, key);
      }
    } else {
      key = (key ^ static_cast<unsigned char>(c)) & 0xFF;
      AppendHex(out, key);
    }
  }
  return out;
}

bool WriteOption(ConnectionHandle handle, const std::string& line, bool encode) {
  const auto separator = line.find('=');
  if (separator != std::string::npos && separator > 0) {
    const std::string name = line.substr(0, separator);
    const std::string value = line.substr(separator + 1);
    if (ReadOption(handle, name) == value) return true;
  }

  const std::string text =
      (!line.empty() && line[0] == '~' && encode) ? EncodeHiddenLine(line) : line;
  // Request length counts up to the first NUL; the buffer is never smaller
  // than what the library may write back (the declared size).
  const std::size_t textLength = std::strlen(text.c_str());
  std::vector<char> buffer(std::max<std::size_t>(kWriteDeclaredSize, textLength + 1), '\0');
  std::memcpy(buffer.data(), text.data(), textLength);

  std::uint16_t code = CMD_WRITE_OPTION;
  TORVAK_SENDCMD(handle, &code, buffer.data(), kWriteDeclaredSize,
                 static_cast<std::int32_t>(textLength) + 1, kWriteTimeoutMs);
  return code == REPLY_OK;
}

}  // namespace Vandrel
