#pragma once
// The emulator's options, kept in a file across restarts. Every change is
// written to a temporary file, flushed to disk and renamed over the store, so
// the file always holds either the old or the new set, whenever the process
// dies.
#include <filesystem>
#include <optional>
#include <string>

#include "emulator/store_format.h"

namespace emulator {

class Store {
 public:
  explicit Store(std::filesystem::path file) : file_(std::move(file)) {}

  // A missing file is an empty store; an unreadable or damaged one is an
  // error and leaves the options in memory as they were.
  bool Load(std::string* error);
  std::optional<std::string> Get(const std::string& name) const;
  // Saves first; on failure nothing changes.
  bool Set(const std::string& name, const std::string& value, std::string* error);
  const OptionMap& Options() const { return options_; }
  const std::filesystem::path& File() const { return file_; }

 private:
  bool Save(const OptionMap& options, std::string* error) const;

  std::filesystem::path file_;
  OptionMap options_;
};

}  // namespace emulator
