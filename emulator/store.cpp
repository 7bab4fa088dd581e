#include "emulator/store.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace emulator {
namespace {

std::string Reason(const std::string& what, const std::filesystem::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

bool WriteAllTo(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void SyncDirectory(const std::filesystem::path& file) {
  auto dir = file.parent_path();
  if (dir.empty()) dir = ".";
  const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);  // makes the rename itself durable
  close(fd);
}

}  // namespace

bool Store::Load(std::string* error) {
  const int fd = open(file_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) {
      options_.clear();
      return true;
    }
    *error = Reason("cannot open", file_);
    return false;
  }
  std::string text;
  char buf[8192];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *error = Reason("cannot read", file_);
      close(fd);
      return false;
    }
    if (n == 0) break;
    text.append(buf, static_cast<std::size_t>(n));
  }
  close(fd);
  OptionMap loaded;
  std::string why;
  if (!ParseStore(text, &loaded, &why)) {
    *error = file_.string() + ": " + why;
    return false;
  }
  options_ = std::move(loaded);
  return true;
}

std::optional<std::string> Store::Get(const std::string& name) const {
  const auto it = options_.find(name);
  if (it == options_.end()) return std::nullopt;
  return it->second;
}

bool Store::Set(const std::string& name, const std::string& value, std::string* error) {
  OptionMap next = options_;
  next[name] = value;
  if (!Save(next, error)) return false;
  options_ = std::move(next);
  return true;
}

bool Store::Save(const OptionMap& options, std::string* error) const {
  const std::filesystem::path tmp = file_.string() + ".tmp";
  const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    *error = Reason("cannot create", tmp);
    return false;
  }
  bool ok = WriteAllTo(fd, FormatStore(options)) && fsync(fd) == 0;
  if (!ok) *error = Reason("cannot write", tmp);
  if (close(fd) != 0 && ok) {
    ok = false;
    *error = Reason("cannot write", tmp);
  }
  if (ok && rename(tmp.c_str(), file_.c_str()) != 0) {
    ok = false;
    *error = Reason("cannot replace", file_);
  }
  if (!ok) {
    unlink(tmp.c_str());
    return false;
  }
  SyncDirectory(file_);
  return true;
}

}  // namespace emulator
