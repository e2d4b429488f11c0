// Golden dumps: every file under the fixtures folder that has a ".dump"
// beside it is dumped by the program and compared byte for byte.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_utils/run.h"

namespace tarvok {
namespace {

namespace fs = std::filesystem;

// The fixtures with a golden dump; with wholeOnly, not those cut short.
std::vector<fs::path> fixtures(bool wholeOnly) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::recursive_directory_iterator(TARVOK_TEST_DATA)) {
    fs::path media = entry.path();
    if (media.extension() != ".dump") continue;
    media.replace_extension();
    if (wholeOnly && media.filename().string().find(".cut-") != std::string::npos) continue;
    found.push_back(media);
  }
  std::sort(found.begin(), found.end());
  return found;
}

class Golden : public ::testing::TestWithParam<fs::path> {};

TEST_P(Golden, DumpMatchesByteForByte) {
  const fs::path& media = GetParam();
  ASSERT_TRUE(fs::exists(media)) << media;
  const test::Run run = test::runTarvok(media.parent_path().string(), media.filename().string());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, test::readFile(media.string() + ".dump")) << media;
}

// Through a pipe a whole file gives the same dump but for the path line. (A
// cut file does not: the end of a stream is the normal end of its top level.)
class GoldenPipe : public ::testing::TestWithParam<fs::path> {};

TEST_P(GoldenPipe, SameDumpButThePath) {
  const fs::path& media = GetParam();
  const std::string name = media.filename().string();
  const test::Run run = test::runShell(media.parent_path().string(), "cat '" + name + "' | $TARVOK /dev/stdin");
  std::string expected = test::readFile(media.string() + ".dump");
  const std::string pathLine = "[" + name + "]\n";
  expected.replace(expected.find(pathLine), pathLine.size(), "[/dev/stdin]\n");
  EXPECT_EQ(run.out, expected) << media;
}

std::string testName(const ::testing::TestParamInfo<fs::path>& info) {
  std::string name = fs::relative(info.param, TARVOK_TEST_DATA).string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Golden, ::testing::ValuesIn(fixtures(false)), testName);
INSTANTIATE_TEST_SUITE_P(WholeFixtures, GoldenPipe, ::testing::ValuesIn(fixtures(true)), testName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Golden);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenPipe);

}  // namespace
}  // namespace tarvok
