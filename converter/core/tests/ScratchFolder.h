#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace converter {

// A fresh folder for each test, removed afterwards; files are read and written byte for byte.
class ScratchFolder : public ::testing::Test {
protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // The random part keeps test runs of several build trees apart.
    FFolder = std::filesystem::temp_directory_path() /
              ("converter-core-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" +
               std::to_string(std::random_device{}()));
    std::filesystem::remove_all(FFolder);
    std::filesystem::create_directories(FFolder);
  }
  void TearDown() override { std::filesystem::remove_all(FFolder); }

  std::string PathOf(const std::string& name) const { return (FFolder / name).string(); }

  std::string Write(const std::string& name, const std::string& content) const {
    std::ofstream(PathOf(name), std::ios::binary) << content;
    return PathOf(name);
  }

  std::string Read(const std::string& name) const {
    std::ifstream file(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }

  bool Exists(const std::string& name) const { return std::filesystem::exists(FFolder / name); }

private:
  std::filesystem::path FFolder;
};

}  // namespace converter
