// Atomic replacement of a file on POSIX: write a temporary file in the same
// folder, flush it to disk, rename it over the target.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/file_io.h"

namespace platform {
namespace {

bool WriteAll(int fd, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The file a write should replace: the target of a symbolic link rather than
// the link itself, so the link survives the rename.
std::filesystem::path ResolvedTarget(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
    const auto target = std::filesystem::canonical(path, ec);
    if (!ec) return target;
  }
  return path;
}

// Creates a new, exclusive temporary beside target; the mode for a new file
// follows the process's umask like any created file.
int CreateTemporary(const std::filesystem::path& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string leaf = "." + target.filename().string() + ".tmp-" +
                             std::to_string(::getpid()) + "-" + std::to_string(counter++);
    name = (target.parent_path() / leaf).string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& content,
                           FileAccess access, std::string* reason) {
  auto fail = [reason](int error) {
    if (reason) *reason = std::strerror(error);
    return false;
  };
  const std::filesystem::path target = ResolvedTarget(path);
  std::string temporary;
  const int fd = CreateTemporary(target, temporary);
  if (fd < 0) return fail(errno);

  // Keep the permissions and, where allowed, the owner of the file replaced.
  struct stat old {};
  if (access == FileAccess::kOwnerOnly) {
    (void)::fchmod(fd, S_IRUSR | S_IWUSR);
  } else if (::stat(target.c_str(), &old) == 0) {
    (void)::fchmod(fd, old.st_mode & 07777);
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Only the superuser may give a file away; the new file keeps our owner.
    }
  }

  bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    return fail(error);
  }
  // Make the rename itself durable; a failure here loses nothing already
  // visible, so it is not reported.
  const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    (void)::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace platform
