#pragma once
// Whole-file access for the settings files; the replacement is the only part
// that differs between systems.
#include <string>

namespace platform {

enum class ReadResult { kRead, kMissing, kFailed };

// Reads the whole file into content. kMissing when nothing exists at path,
// kFailed when something else than a readable regular file is there (a
// folder, a pipe, no permission).
ReadResult ReadWholeFile(const std::string& path, std::string& content);

// Who may read the file written: as the file replaced (a new file follows
// the umask), or its owner only (files that hold keys and passwords).
enum class FileAccess { kKeep, kOwnerOnly };

// Writes content to a temporary file in the same folder and renames it over
// path, so readers see either the old or the new file, never a part of one.
// Returns false, leaving path untouched and no temporary behind, on failure;
// reason (when given) then receives the system's description.
bool ReplaceFileAtomically(const std::string& path, const std::string& content,
                           FileAccess access = FileAccess::kKeep, std::string* reason = nullptr);

// path made absolute against the current folder, for messages.
std::string FullPath(const std::string& path);

}  // namespace platform
