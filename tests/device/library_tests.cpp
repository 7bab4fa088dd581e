// Loading the device library.
#include <gtest/gtest.h>

#include "device/Vandrel.h"
#include "device/shared_library.h"
#include "platform/error.h"

namespace {

std::string ErrorOf(const std::string& path) {
  try {
    Vandrel::OpenDeviceLibrary(path);
  } catch (const platform::Error& e) {
    return e.what();
  }
  return {};
}

TEST(DeviceLibraryLoading, MissingLibraryNamesPathAndReason) {
  const std::string path = "/nonexistent/folder/" + Vandrel::SharedLibraryFileName();
  const std::string message = ErrorOf(path);
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_NE(message.find("No such file"), std::string::npos) << message;
}

TEST(DeviceLibraryLoading, LibraryWithoutTheFunctionsIsRefused) {
  const std::string message = ErrorOf("libm.so.6");
  EXPECT_NE(message.find("TORVAK_INIT"), std::string::npos) << message;
}

}  // namespace
