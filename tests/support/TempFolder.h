#pragma once
// A test fixture with a fresh folder of its own, removed afterwards.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace gs::testing {

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(dir_); }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Put(const std::string& name, std::string_view text) const { std::ofstream(Path(name), std::ios::binary) << text; }
  void Put(const std::string& name, const std::vector<std::uint8_t>& b) const {
    Put(name, std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
  }
  std::string Text(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::vector<std::uint8_t> Get(const std::string& name) const {
    const std::string text = Text(name);
    return {text.begin(), text.end()};
  }
  // What the folder holds, sorted (no temporary file may be left behind).
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  const std::filesystem::path dir_ = std::filesystem::temp_directory_path() / ("gs-test-" + std::to_string(::getpid()));
};

}  // namespace gs::testing
