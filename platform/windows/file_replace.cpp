// Atomic replacement of a file on Windows: write a temporary file in the same
// folder, flush it, move it over the target.
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "platform/file_io.h"

namespace platform {

// Files beside the program inherit its folder's access list; owner-only
// access is not set separately here.
bool ReplaceFileAtomically(const std::string& path, const std::string& content, FileAccess,
                           std::string* reason) {
  auto fail = [reason] {
    if (reason) *reason = "error " + std::to_string(GetLastError());
    return false;
  };
  static std::atomic<unsigned> counter{0};
  std::string temporary;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temporary =
        path + ".tmp-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
    file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return fail();
  }
  if (file == INVALID_HANDLE_VALUE) return fail();

  bool ok = true;
  std::size_t done = 0;
  while (ok && done < content.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 20));
    DWORD written = 0;
    ok = WriteFile(file, content.data() + done, chunk, &written, nullptr) && written > 0;
    done += written;
  }
  ok = ok && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  ok = ok && MoveFileExA(temporary.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) {
    fail();
    DeleteFileA(temporary.c_str());
  }
  return ok;
}

}  // namespace platform
