#include "registry.h"

#include <limits>
#include <map>
#include <mutex>

namespace vandrel {
namespace {

struct Registry {
  std::mutex mutex;
  std::map<std::int32_t, std::shared_ptr<Connection>> open;
  std::int32_t last = 0;
};

Registry& Table() {
  // Never destroyed: a handle closed from another thread during exit must
  // not meet a destroyed table.
  static Registry* registry = new Registry;
  return *registry;
}

}  // namespace

std::int32_t AddConnection(std::shared_ptr<Connection> connection) {
  Registry& r = Table();
  std::lock_guard lock(r.mutex);
  if (r.last == std::numeric_limits<std::int32_t>::max()) return 0;
  r.open.emplace(++r.last, std::move(connection));
  return r.last;
}

std::shared_ptr<Connection> FindConnection(std::int32_t handle) {
  Registry& r = Table();
  std::lock_guard lock(r.mutex);
  const auto it = r.open.find(handle);
  return it == r.open.end() ? nullptr : it->second;
}

std::shared_ptr<Connection> RemoveConnection(std::int32_t handle) {
  Registry& r = Table();
  std::lock_guard lock(r.mutex);
  const auto it = r.open.find(handle);
  if (it == r.open.end()) return nullptr;
  auto connection = std::move(it->second);
  r.open.erase(it);
  return connection;
}

}  // namespace vandrel
