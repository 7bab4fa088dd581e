#include "platform/file_io.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace platform {

ReadResult ReadWholeFile(const std::string& path, std::string& content) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return ReadResult::kMissing;
  // Only regular files: a pipe or a device put in its place could block the
  // read or never end.
  if (ec || !fs::is_regular_file(status)) return ReadResult::kFailed;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadResult::kFailed;
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return in.bad() ? ReadResult::kFailed : ReadResult::kRead;
}

std::string FullPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  return ec ? path : full.string();
}

}  // namespace platform
