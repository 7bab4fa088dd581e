#pragma once
// The table of open handles. Handles count up from 1 and are never reused
// within a run, so a stale handle can never reach a newer connection.
#include <cstdint>
#include <memory>

#include "connection.h"

namespace vandrel {

// 0 when the handle space of this run is used up.
std::int32_t AddConnection(std::shared_ptr<Connection> connection);
std::shared_ptr<Connection> FindConnection(std::int32_t handle);
std::shared_ptr<Connection> RemoveConnection(std::int32_t handle);

}  // namespace vandrel
