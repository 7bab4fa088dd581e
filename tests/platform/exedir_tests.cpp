#include <gtest/gtest.h>

#include <filesystem>

#include "platform/exedir.h"
#include "temp_dir.h"

namespace platform {
namespace {

TEST(ExecutableDirectory, IsThisProgramsFolderWhateverTheCurrentFolder) {
  const std::string here = ExecutableDirectory();
  ASSERT_FALSE(here.empty());
  EXPECT_EQ(here.front(), '/');
  EXPECT_EQ(here.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(here + "platform_tests"));

  TempDir elsewhere;
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(elsewhere.path());
  const std::string fromElsewhere = ExecutableDirectory();
  std::filesystem::current_path(cwd);
  EXPECT_EQ(fromElsewhere, here);
}

}  // namespace
}  // namespace platform
