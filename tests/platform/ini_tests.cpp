// Settings files on disk: defaults, creation, in-place changes and refused
// writes.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/ini.h"
#include "temp_dir.h"

namespace platform {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string WriteError(const std::string& path, const std::string& key = "Port") {
  try {
    WriteProfileString(path, "Config", key, "1");
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

class IniFile : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir / "options.ini";
};

TEST_F(IniFile, MissingFileOrFolderGivesDefaultAndCreatesNothing) {
  EXPECT_EQ(ReadProfileString(path, "Config", "Port", "4370"), "4370");
  EXPECT_EQ(ReadProfileString(dir / "none/options.ini", "Config", "Port", ""), "");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(IniFile, FolderOrPipeInPlaceOfTheFileGivesDefaultWithoutBlocking) {
  std::filesystem::create_directory(path);
  EXPECT_EQ(ReadProfileString(path, "Config", "Port", "d"), "d");
  const std::string pipe = dir / "pipe.ini";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(ReadProfileString(pipe, "Config", "Port", "d"), "d");
  EXPECT_THROW(WriteProfileString(pipe, "Config", "Port", "1"), Error);
}

TEST_F(IniFile, WritesCreateFileAndSectionAndReadBackInAnyCase) {
  WriteProfileString(path, "Config", "locatIP", "192.168.1.201");
  WriteProfileString(path, "Config", "Port", "4370");
  WriteProfileString(path, "Config", "Baudrate", "57600");
  EXPECT_EQ(Slurp(path), "[Config]\r\nlocatIP=192.168.1.201\r\nPort=4370\r\nBaudrate=57600\r\n");
  EXPECT_EQ(ReadProfileString(path, "config", "BaudRate", ""), "57600");
  EXPECT_EQ(ReadProfileString(path, "CONFIG", "locatip", ""), "192.168.1.201");
}

TEST_F(IniFile, WriteAfterOptionLinesKeepsThemAndTheyAreNeverRead) {
  Put(path, "WIFI=1\r\nPort=9\r\n");
  WriteProfileString(path, "Config", "DeviceID", "1");
  EXPECT_EQ(Slurp(path), "WIFI=1\r\nPort=9\r\n[Config]\r\nDeviceID=1\r\n");
  EXPECT_EQ(ReadProfileString(path, "Config", "Port", ""), "");
}

TEST_F(IniFile, WriteLeavesNoTemporaryAndKeepsPermissions) {
  Put(path, "[Config]\nPort=1\n");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  WriteProfileString(path, "Config", "Port", "2");
  EXPECT_EQ(Slurp(path), "[Config]\nPort=2\n");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(IniFile, WriteThroughSymbolicLinkChangesTheTargetAndKeepsTheLink) {
  const std::string target = dir / "real.ini";
  Put(target, "[Config]\r\nPort=1\r\n");
  std::filesystem::create_symlink(target, path);
  WriteProfileString(path, "Config", "Port", "2");
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(Slurp(target), "[Config]\r\nPort=2\r\n");
}

TEST_F(IniFile, RefusedWriteNamesTheFullPath) {
  Put(dir / "plain", "x");
  const std::string inside = dir / "plain/options.ini";  // a file is no folder, even for root
  EXPECT_EQ(WriteError(inside), "Unable to write to " + inside);
  EXPECT_EQ(Slurp(dir / "plain"), "x");

  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const std::string relative = WriteError("plain/options.ini");
  std::filesystem::current_path(cwd);
  EXPECT_EQ(relative, "Unable to write to " + inside);
}

TEST_F(IniFile, ExistingFileThatCannotBeReadIsNotReplaced) {
  std::filesystem::create_directory(path);
  Put(dir / "options.ini/keep", "k");
  EXPECT_EQ(WriteError(path), "Unable to write to " + path);
  EXPECT_EQ(Slurp(dir / "options.ini/keep"), "k");
}

TEST_F(IniFile, EntryThatWouldBreakTheLayoutIsRefusedAndFileKept) {
  Put(path, "[Config]\r\nPort=1\r\n");
  EXPECT_EQ(WriteError(path, "Po\nrt").rfind("Unable to write to " + path + ": ", 0), 0u);
  EXPECT_THROW(WriteProfileString(path, "Config", "Port", "1\r\n[Evil]\r\nx=1"), Error);
  EXPECT_EQ(Slurp(path), "[Config]\r\nPort=1\r\n");
}

}  // namespace
}  // namespace platform
