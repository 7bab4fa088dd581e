#include "platform/profile_text.h"

#include <vector>

#include "platform/text.h"

namespace platform {
namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

// One line of the text: [begin, end) is its content without "\n" and without
// a "\r" right before it; next is where the following line starts.
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
};

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t nl = text.find('\n', begin);
    Line line;
    line.begin = begin;
    if (nl == std::string::npos) {
      line.end = line.next = text.size();
    } else {
      line.end = nl > begin && text[nl - 1] == '\r' ? nl - 1 : nl;
      line.next = nl + 1;
    }
    lines.push_back(line);
    begin = line.next;
  }
  return lines;
}

// What one line means to the layout.
struct Parsed {
  enum Kind { kOther, kHeader, kKey } kind = kOther;
  std::string name;            // section name or key, trimmed
  std::size_t keyEnd = 0;      // offset in the raw line just after the key
  std::size_t valueBegin = 0;  // offset in the raw line just after the "="
};

Parsed ParseLine(const std::string& raw) {
  Parsed parsed;
  std::size_t first = 0;
  while (first < raw.size() && static_cast<unsigned char>(raw[first]) <= 32) ++first;
  if (first == raw.size() || raw[first] == ';') return parsed;
  if (raw[first] == '[') {
    const std::size_t close = raw.find(']', first + 1);
    const std::size_t stop = close == std::string::npos ? raw.size() : close;
    parsed.kind = Parsed::kHeader;
    parsed.name = Trim(raw.substr(first + 1, stop - first - 1));
    return parsed;
  }
  const std::size_t eq = raw.find('=', first);
  if (eq == std::string::npos) return parsed;
  parsed.kind = Parsed::kKey;
  parsed.name = Trim(raw.substr(first, eq - first));
  parsed.keyEnd = first + parsed.name.size();
  parsed.valueBegin = eq + 1;
  return parsed;
}

std::string ReadableValue(const std::string& raw) {
  std::string value = Trim(raw);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  if (value.size() > kMaxProfileValue) value.resize(kMaxProfileValue);
  return value;
}

const char* LineEndOf(const std::string& text) {
  const std::size_t nl = text.find('\n');
  if (nl != std::string::npos && (nl == 0 || text[nl - 1] != '\r')) return "\n";
  return "\r\n";
}

}  // namespace

std::optional<std::string> LookupProfileValue(const std::string& content,
                                              const std::string& section, const std::string& key) {
  const std::string wantedSection = Trim(section);
  const std::string wantedKey = Trim(key);
  if (wantedKey.empty()) return std::nullopt;
  bool inSection = false;
  for (const Line& line : SplitLines(content)) {
    const std::string raw = content.substr(line.begin, line.end - line.begin);
    const Parsed parsed = ParseLine(raw);
    if (parsed.kind == Parsed::kHeader)
      inSection = SameName(parsed.name, wantedSection);
    else if (inSection && parsed.kind == Parsed::kKey && SameName(parsed.name, wantedKey))
      return ReadableValue(raw.substr(parsed.valueBegin));
  }
  return std::nullopt;
}

std::string SetProfileValue(const std::string& content, const std::string& section,
                            const std::string& key, const std::string& value) {
  const std::string wantedSection = Trim(section);
  const std::string wantedKey = Trim(key);
  const std::string eol = LineEndOf(content);

  bool inSection = false;
  bool sectionSeen = false;
  std::size_t insertAfter = std::string::npos;  // index of a line in the first matching section
  const std::vector<Line> lines = SplitLines(content);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    const std::string raw = content.substr(line.begin, line.end - line.begin);
    const Parsed parsed = ParseLine(raw);
    if (parsed.kind == Parsed::kHeader) {
      if (inSection) sectionSeen = true;
      inSection = SameName(parsed.name, wantedSection);
      if (inSection && !sectionSeen) insertAfter = i;
      continue;
    }
    if (!inSection) continue;
    if (parsed.kind == Parsed::kKey && SameName(parsed.name, wantedKey)) {
      return content.substr(0, line.begin + parsed.keyEnd) + "=" + value + content.substr(line.end);
    }
    if (!sectionSeen && !Trim(raw).empty()) insertAfter = i;
  }

  const std::string entry = wantedKey + "=" + value + eol;
  if (insertAfter != std::string::npos) {
    const Line& line = lines[insertAfter];
    const bool ended = line.next > line.end;
    return content.substr(0, line.next) + (ended ? "" : eol) + entry + content.substr(line.next);
  }
  std::string result = content;
  if (!result.empty() && result.back() != '\n') result += eol;
  return result + "[" + wantedSection + "]" + eol + entry;
}

std::string ProfileEntryProblem(const std::string& section, const std::string& key,
                                const std::string& value) {
  const auto hasBreak = [](const std::string& s) { return s.find_first_of("\r\n") != s.npos; };
  if (hasBreak(section) || hasBreak(key) || hasBreak(value))
    return "a setting cannot hold a line break";
  if (section.find(']') != std::string::npos) return "a section name cannot hold \"]\"";
  const std::string trimmedKey = Trim(key);
  if (trimmedKey.empty()) return "a key name cannot be empty";
  if (trimmedKey.find('=') != std::string::npos || trimmedKey.front() == '[' ||
      trimmedKey.front() == ';')
    return "a key name cannot hold \"=\" or start with \"[\" or \";\"";
  return {};
}

}  // namespace platform
