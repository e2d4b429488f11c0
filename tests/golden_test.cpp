// Golden dumps: every file under the fixtures folder that has a ".dump"
// beside it is dumped by the program and compared byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "test_utils/run.h"

namespace tarvok {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> fixtures() {
  std::vector<fs::path> found;
  for (const auto& entry : fs::recursive_directory_iterator(TARVOK_TEST_DATA)) {
    fs::path media = entry.path();
    if (media.extension() != ".dump") continue;
    found.push_back(media.replace_extension());
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class Golden : public ::testing::TestWithParam<fs::path> {};

TEST_P(Golden, DumpMatchesByteForByte) {
  const fs::path& media = GetParam();
  ASSERT_TRUE(fs::exists(media)) << media;
  const test::Run run = test::runTarvok(media.parent_path().string(), media.filename().string());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, readAll(media.string() + ".dump")) << media;
}

std::string testName(const ::testing::TestParamInfo<fs::path>& info) {
  std::string name = fs::relative(info.param, TARVOK_TEST_DATA).string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Golden, ::testing::ValuesIn(fixtures()), testName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Golden);

}  // namespace
}  // namespace tarvok
