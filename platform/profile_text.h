#pragma once
// The settings-file layout as text, without any file access, so that the
// rules can be tested and fuzzed directly.
//
// Layout rules, as read and as written:
// - A line is a section header when, after trimming, it starts with "["; the
//   name runs to the first "]" (or to the end of the line without one) and is
//   trimmed. Text after the "]" is ignored.
// - Lines before the first header belong to no section and are never read.
// - Inside a section a key line holds "=": the key is the trimmed text before
//   the first "=", the value the trimmed text after it. A line without "=" is
//   no key at all (it reads as missing and is left alone by writes); a line
//   starting with ";" after trimming is a comment, never a key.
// - Sections and keys match without regard to the case of a..z. Sections of
//   the same name count as one, in file order; the first matching key wins.
// - A value enclosed in one pair of matching quotes (" or ') loses them on
//   reading, and at most 2047 characters of it are returned.
// - Lines end in LF or CR LF; both are read. A write keeps every other byte of
//   the file and ends the lines it adds like the file's first line, or with
//   CR LF when the file has no line end yet.
#include <optional>
#include <string>

namespace platform {

inline constexpr std::size_t kMaxProfileValue = 2047;

// The value of key in section, or nothing when the section or key is missing.
std::optional<std::string> LookupProfileValue(const std::string& content,
                                              const std::string& section, const std::string& key);

// The content with key in section set to value: the first matching key line
// is rewritten in place (keeping its indentation and the key as spelled in the
// file), else a line is added after the last non-blank line of the first
// matching section, else the section is appended at the end of the text.
std::string SetProfileValue(const std::string& content, const std::string& section,
                            const std::string& key, const std::string& value);

// Why section, key and value cannot be written so that they read back as the
// same key, or the empty text when they can: line breaks in any of them, "]"
// in the section, and an empty key, a key with "=" or starting with "[" or ";".
std::string ProfileEntryProblem(const std::string& section, const std::string& key,
                                const std::string& value);

}  // namespace platform
