// A fresh temporary folder made the working directory for one test, so that a test can
// put its own "fenmsg.fdb" there (or none at all). Both are undone on scope exit.
#ifndef FENWIX_TESTS_ERROR_SCOPED_FOLDER_H
#define FENWIX_TESTS_ERROR_SCOPED_FOLDER_H

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace test {

class ScopedFolder {
 public:
  ScopedFolder() : previous_(std::filesystem::current_path()) {
    std::random_device seed;
    folder_ = std::filesystem::temp_directory_path() /
              ("fenwix-test-" + std::to_string(seed()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
  }
  ~ScopedFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(folder_, ignored);
  }
  ScopedFolder(const ScopedFolder&) = delete;
  ScopedFolder& operator=(const ScopedFolder&) = delete;

  // Writes the bytes as they are (binary), into a file of the folder.
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(folder_ / name, std::ios::binary);
    out << bytes;
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path folder_;
};

}  // namespace test

#endif
