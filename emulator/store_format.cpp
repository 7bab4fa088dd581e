#include "emulator/store_format.h"

namespace emulator {
namespace {

constexpr char kHeader[] = "# device-emulator option store: name=value, \\\\ and \\xHH escapes\n";
constexpr char kHex[] = "0123456789ABCDEF";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool Unescape(std::string_view text, std::string* out) {
  out->clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\\') {
      out->push_back(c);
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '\\') {
      out->push_back('\\');
      ++i;
      continue;
    }
    if (i + 3 >= text.size() || text[i + 1] != 'x') return false;
    const int hi = HexDigit(text[i + 2]);
    const int lo = HexDigit(text[i + 3]);
    if (hi < 0 || lo < 0 || (hi == 0 && lo == 0)) return false;
    out->push_back(static_cast<char>(hi * 16 + lo));
    i += 3;
  }
  return true;
}

}  // namespace

std::string EscapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (b < 0x20 || b == 0x7F) {
      out += "\\x";
      out.push_back(kHex[b >> 4]);
      out.push_back(kHex[b & 0xF]);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string FormatStore(const OptionMap& options) {
  std::string out = kHeader;
  for (const auto& [name, value] : options) {
    std::string n = EscapeText(name);
    if (!n.empty() && n[0] == '#') n.replace(0, 1, "\\x23");  // not a comment
    out += n;
    out += '=';
    out += EscapeText(value);
    out += '\n';
  }
  return out;
}

bool ParseStore(std::string_view text, OptionMap* options, std::string* error) {
  OptionMap result;
  std::size_t lineNo = 0;
  while (!text.empty()) {
    const std::size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
    ++lineNo;
    if (line.empty() || line[0] == '#') continue;
    const std::size_t eq = line.find('=');
    std::string name, value;
    if (eq == std::string_view::npos || eq == 0) {
      *error = "line " + std::to_string(lineNo) + ": not a name=value line";
      return false;
    }
    if (!Unescape(line.substr(0, eq), &name) || !Unescape(line.substr(eq + 1), &value)) {
      *error = "line " + std::to_string(lineNo) + ": bad escape sequence";
      return false;
    }
    if (!result.emplace(std::move(name), std::move(value)).second) {
      *error = "line " + std::to_string(lineNo) + ": option appears twice";
      return false;
    }
  }
  *options = std::move(result);
  return true;
}

}  // namespace emulator
