#pragma once
// Private-profile (INI) files with the semantics Windows gives them. Each call
// opens the file afresh and keeps nothing open. The layout rules (comments,
// quotes, line ends, lines without "=") are described in profile_text.h.
#include <string>

namespace platform {

// The value of key in section, or fallback when the file, the section or the
// key is missing. Sections and keys match without regard to case; blanks
// around keys and values are trimmed; at most 2047 characters are returned.
std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& fallback);

// Sets key in section, creating the file and the section when missing and
// leaving every other line as it was. The file is replaced atomically.
// A refused write raises Error("Unable to write to <path>") with the full
// path; an entry that could not be read back as written (a line break
// anywhere, "]" in the section, an empty key or one with "=") raises the same
// message followed by ": " and the reason, and leaves the file alone.
void WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace platform
