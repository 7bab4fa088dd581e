// Settings files: the layout rules live in profile_text.cpp; this file adds
// the file access. Every call reads the file afresh and keeps nothing open.
#include "platform/ini.h"

#include "platform/error.h"
#include "platform/file_io.h"
#include "platform/profile_text.h"

namespace platform {

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& fallback) {
  std::string content;
  // A file that cannot be read counts as missing, as it does for the system.
  if (ReadWholeFile(path, content) != ReadResult::kRead) return fallback;
  return LookupProfileValue(content, section, key).value_or(fallback);
}

void WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
  const std::string refused = "Unable to write to " + FullPath(path);
  if (const std::string problem = ProfileEntryProblem(section, key, value); !problem.empty())
    throw Error(refused + ": " + problem);
  std::string content;
  // An existing file that cannot be read is refused rather than replaced, so
  // its contents are never lost.
  if (ReadWholeFile(path, content) == ReadResult::kFailed) throw Error(refused);
  if (!ReplaceFileAtomically(path, SetProfileValue(content, section, key, value)))
    throw Error(refused);
}

}  // namespace platform
